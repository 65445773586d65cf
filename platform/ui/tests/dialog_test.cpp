// The dialog model: what a user's actions fire, what selections it takes, and how
// OK, Apply and Cancel close it.
#include <functional>

#include <BRepBuilderAPI_MakeFace.hxx>
#include <gp_Pln.hxx>

#include "platform/assemblies/occurrence.h"
#include "platform/base/host_error.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_kinds.h"
#include "platform/ui/driver.h"
#include "tests/support/script_driver.h"
#include "tests/support/test_model.h"

using namespace platform;
using namespace platform::ui;
using fabdoc_test::Drive;

namespace {

Block& AddBlock(Dialog& dialog, const std::string& id, const std::string& kind, Block* parent = nullptr) {
  Block& into = parent ? *parent : dialog.Top();
  auto block = std::make_unique<Block>();
  block->id = id;
  block->parent = &into;
  InitBlock(*block, *FindBlockKind(kind));
  into.children.push_back(std::move(block));
  return *into.children.back();
}

class DialogModel : public fabdoc_test::SessionTest {};

}  // namespace

TEST_F(DialogModel, UserChangesFireUpdateButTheAddOnsOwnWritesDoNot) {
  Dialog dialog("t.dlx", "t");
  Block& group = AddBlock(dialog, "group", "Group");
  Block& text = AddBlock(dialog, "text", "StringBlock", &group);
  Block& button = AddBlock(dialog, "button", "Button", &group);
  Block& mode = AddBlock(dialog, "mode", "Enumeration");
  mode.Get("Value").members = {"a", "b"};
  std::vector<std::string> updates, order;
  dialog.initialize = [&] { order.push_back("initialize"); };
  dialog.shown = [&] { order.push_back("shown"); };
  dialog.update = [&](Block& b) {
    updates.push_back(b.id);
    text.Set("Value", std::string("set by the add-on"));  // no second update
    return 0;
  };
  Drive(dialog, [&](Dialog& d) {
    order.push_back("driver");
    d.UserSet(text, "Value", std::string("typed"));
    d.UserPress(button);
    d.UserSet(mode, "Value", 1);
    EXPECT_THROW(d.UserSet(mode, "Value", 2), HostError) << "two members: index 2 is out of range";
    EXPECT_THROW(d.UserSet(text, "Value", 3.5), HostError) << "a string property takes no double";
    EXPECT_THROW(d.UserPress(text), HostError) << "a string field is no button";
    EXPECT_THROW(d.UserSet(text, "Show", false), HostError) << "visibility is the add-on's";
    group.Set("Show", false);
    EXPECT_THROW(d.UserSet(text, "Value", std::string("x")), HostError) << "hidden with its group";
    d.UserCancel();
  });
  EXPECT_EQ(order, (std::vector<std::string>{"initialize", "shown", "driver"}));
  EXPECT_EQ(updates, (std::vector<std::string>{"text", "button", "mode"}));
  EXPECT_EQ(std::get<int>(mode.Get("Value").value), 1);
  EXPECT_EQ(std::get<std::string>(text.Get("Value").value), "set by the add-on");
}

TEST_F(DialogModel, SelectionsPassTheMaskTheScopeAndTheFilterCallback) {
  Part& part = session().NewPart("\\t\\asm.prt");
  Body& solid = fabdoc_test::AddBox(part, 0, 0, 0, 10, 10, 10, "solid");
  Body& rejected = fabdoc_test::AddBox(part, 20, 0, 0, 10, 10, 10, "rejected");
  auto& sheet = static_cast<Body&>(part.Add(std::make_unique<Body>(
      BRepBuilderAPI_MakeFace(gp_Pln(), 0, 10, 0, 10).Shape())));
  Part& child = session().NewPart("\\t\\child.prt");
  fabdoc_test::AddBox(child, 0, 0, 0, 5, 5, 5, "inner");
  Instance instance;
  instance.partPath = child.path;
  instance.instanceName = "C1";
  part.AddInstance(instance);
  session().SetDisplayed(&part);
  auto components = occurrences().Children(occurrences().RootOccurrence(part));
  ASSERT_EQ(components.size(), 1u);
  Tag occurrence = occurrences().BodyOccurrences(*components[0]).at(0)->GetTag();

  Dialog dialog("s.dlx", "s");
  Block& pick = AddBlock(dialog, "pick", "SelectObject");
  pick.filter = SelectionFilter{3, {{kSolidType, kSolidBodySubtype, 36}}};
  int updates = 0;
  dialog.update = [&](Block&) { return ++updates, 0; };
  dialog.filter = [&](Block&, Tag tag) { return tag == rejected.GetTag() ? 0 : 1; };
  Drive(dialog, [&](Dialog& d) {
    d.UserSelect(pick, {solid.GetTag(), occurrence});
    EXPECT_EQ(std::get<std::vector<Tag>>(pick.Get("SelectedObjects").value),
              (std::vector<Tag>{solid.GetTag(), occurrence}));
    EXPECT_THROW(d.UserSelect(pick, {sheet.GetTag()}), HostError) << "(70, 0, 36) takes solids only";
    EXPECT_THROW(d.UserSelect(pick, {rejected.GetTag()}), HostError) << "filter_cb said no";
    EXPECT_THROW(d.UserSelect(pick, {part.GetTag()}), HostError) << "a part is no body";
    pick.Set("MaximumScope", int(kScopeWorkPart));
    EXPECT_THROW(d.UserSelect(pick, {occurrence}), HostError) << "work part only: no component bodies";
    pick.Set("SelectMode", 0);
    EXPECT_THROW(d.UserSelect(pick, {solid.GetTag(), solid.GetTag()}), HostError) << "single selection";
    d.UserCancel();
  });
  EXPECT_EQ(updates, 1) << "a refused selection fires nothing";
  EXPECT_EQ(std::get<std::vector<Tag>>(pick.Get("SelectedObjects").value),
            (std::vector<Tag>{solid.GetTag(), occurrence}))
      << "a refused selection leaves the previous one";
}

TEST_F(DialogModel, OkAppliesAndClosesOnlyWhenTheCallbackSucceeds) {
  Dialog dialog("o.dlx", "o");
  std::vector<std::string> calls;
  int applyResult = 1;
  dialog.apply = [&] { return calls.push_back("apply"), applyResult; };
  dialog.cancel = [&] { return calls.push_back("cancel"), 0; };
  Drive(dialog, [&](Dialog& d) {
    EXPECT_EQ(d.UserApply(), 1);
    EXPECT_TRUE(d.IsOpen()) << "apply never closes";
    EXPECT_FALSE(d.UserOk()) << "without ok_cb OK runs apply_cb, which failed";
    applyResult = 0;
    EXPECT_TRUE(d.UserOk());
  });
  EXPECT_TRUE(dialog.ClosedByOk());
  EXPECT_EQ(calls, (std::vector<std::string>{"apply", "apply", "apply"}));

  calls.clear();
  dialog.ok = [&] { return calls.push_back("ok"), 0; };
  Drive(dialog, [&](Dialog& d) { d.UserCancel(); });
  EXPECT_FALSE(dialog.ClosedByOk());
  EXPECT_EQ(calls, (std::vector<std::string>{"cancel"}));
  EXPECT_THROW(dialog.UserApply(), HostError) << "a closed dialog takes no more actions";
}

TEST_F(DialogModel, ShowFailsCleanlyWithoutADriverAndCancelsWhenTheDriverFails) {
  Dialog dialog("f.dlx", "f");
  int initialized = 0, cancelled = 0;
  dialog.initialize = [&] { ++initialized; };
  dialog.cancel = [&] { return ++cancelled, 0; };
  SetDriver(nullptr);
  try {
    dialog.Show();
    ADD_FAILURE() << "no driver: Show must throw";
  } catch (const HostError& e) {
    EXPECT_NE(std::string(e.what()).find("f.dlx"), std::string::npos) << e.what();
  }
  EXPECT_EQ(initialized, 0) << "nothing runs when nobody can answer";
  EXPECT_THROW(Drive(dialog, [](Dialog&) { throw HostError(HostStatus::Aborted, "script error"); }), HostError);
  EXPECT_EQ(cancelled, 1);
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_THROW(Drive(dialog, [](Dialog&) {}), HostError) << "a driver that leaves it open is an error";
}
