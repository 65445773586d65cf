// A host call that fails in the middle of a batch: the error box is shown and the batch
// leaves nothing behind. The progress bar is gone from the terminal, aborting is
// disabled, the displayed part is the work part, the C interface is closed as often as
// it was opened, and no body that did not reach a new part is lost.
// Then every host call the batch split makes is refused in turn, and each body must still
// be placed as often as before.
//
// The failure is a real one: a folder that bears the name of the next new part file, so
// the host refuses to make the part there.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>

#include <uf.h>

#include "addon/assembly/tests/assembly_fixture.h"
#include "addon/host/tests/terminal_stderr.h"
#include "platform/assemblies/work_part.h"
#include "platform/base/refused_calls.h"
#include "platform/ui/abort.h"
#include "platform/ui/messages.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

// Whether the last thing drawn on the terminal was the bar being cleared away: each
// redraw starts with "\r", the removal is "\r\033[K" (newlines reach a terminal as "\r\n").
bool BarClearedLast(const std::string& drawn) {
  size_t lastDraw = std::string::npos, lastClear = std::string::npos;
  for (size_t i = 0; i < drawn.size(); ++i) {
    if (drawn[i] != '\r') continue;
    if (drawn.compare(i, 4, "\r\033[K") == 0) lastClear = i;
    else if (drawn.compare(i, 2, "\r\n") != 0) lastDraw = i;
  }
  return lastDraw != std::string::npos && lastClear != std::string::npos && lastClear > lastDraw;
}

// How many UF_initialize calls are open: closed one by one, then opened again.
int OpenInitializations() {
  int open = 0;
  for (; UF_is_initialized() && open < 1000; ++open) UF_terminate();
  for (int i = 0; i < open; ++i) UF_initialize();
  return open;
}

}  // namespace

class BatchFailure : public kzt_test::BatchComponents {
protected:
  void SetUp() override {
    BatchComponents::SetUp();
    const std::string data = std::string(FABDOC_TEST_SOURCE_DIR) + "/data";
    setenv("UGII_BASE_DIR", data.c_str(), 1);
    // Held open here, so a bar lives on between the host's loads and unloads of the
    // display library however the host counts them.
    display_ = dlopen((data + "/NXBIN/libdisp.dll").c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(display_, nullptr) << dlerror();
  }
  void TearDown() override {
    if (display_) dlclose(display_);
    unsetenv("UGII_BASE_DIR");
    BatchComponents::TearDown();
  }
  void* display_ = nullptr;
  // The folder that stands where the host must write the new part `gbkFile`.
  void BlockPartFile(const std::string& gbkFile) { fs::create_directory(folder + "/" + text::ToUtf8(gbkFile)); }
  // Makes the parent component the work part, as a user working inside it would (only
  // where the failure comes before any body is made: a part is made from bodies seen
  // from the displayed assembly).
  void WorkInParent() {
    SetWorkComponent(*occurrences().Children(occurrences().RootOccurrence(*root)).front());
    ASSERT_NE(session().Work(), root);
  }
  // Runs the journal with standard error on a terminal; checks the failure was shown
  // and every piece of host state the batch took was given back.
  void RunFailingBatch(const char8_t* journal, const std::string& gbkFile) {
    const int initializations = OpenInitializations();
    kzt_test::TerminalStderr terminal;
    ASSERT_TRUE(terminal.Ready()) << "no terminal to draw the bar on";
    Run(journal);
    const std::string drawn = terminal.Drawn();
    const std::vector<std::string> boxes = Shown("error box");
    ASSERT_EQ(boxes.size(), 1u) << "the failure reaches the error box";
    EXPECT_NE(boxes[0].find(Utf8(gbkFile)), std::string::npos) << boxes[0];
    EXPECT_TRUE(BarClearedLast(drawn)) << "the progress bar stayed on the terminal: " << drawn;
    EXPECT_FALSE(ui::AbortEnabled()) << "aborting stayed enabled";
    EXPECT_EQ(session().Work(), root) << "the displayed part is the work part again";
    EXPECT_EQ(session().WorkOccurrence(), kNullTag);
    EXPECT_EQ(OpenInitializations(), initializations) << "every UF_initialize was closed";
  }
};

TEST_F(BatchFailure, MultiBodyPartThatCannotBeMadeRestoresTheHostAndKeepsTheBodies) {
  Part& parent = MakeAssembly("机架-3", {"a", "b"});
  BlockPartFile("临时组件-001.prt");
  WorkInParent();
  RunFailingBatch(u8R"J(
action new_zujianV1
  set enum0 0
  select selection0 body:机架-3/a body:机架-3/b
  apply
  cancel
)J", "临时组件-001.prt");
  EXPECT_EQ(parent.Objects().size(), 2u) << "no source was deleted";
  EXPECT_EQ(session().FindPartByFileName("临时组件-001.prt"), nullptr) << "no half-made part stays open";
}

TEST_F(BatchFailure, SecondSingleBodyPartThatCannotBeMadeRestoresTheHostAndKeepsItsBody) {
  Part& parent = MakeAssembly("机架-3", {"a", "b"});
  BlockPartFile("临时组件-2.prt");
  RunFailingBatch(u8R"J(
action new_zujianV1
  set enum0 1
  select selection0 body:机架-3/a body:机架-3/b
  apply
  cancel
)J", "临时组件-2.prt");
  ASSERT_NE(session().FindPartByFileName("临时组件-1.prt"), nullptr) << "the first part was made before the failure";
  bool bKept = false;
  for (const auto& object : parent.Objects()) bKept = bKept || object->name == "b";
  EXPECT_TRUE(bKept) << "the body whose part failed is still in its part";
}

TEST_F(BatchFailure, BatchModeStopsAtTheSubComponentThatCannotBeMade) {
  Part& parent = MakeAssembly("机架-3", {"底板", "立柱"});
  BlockPartFile("立柱-3-2.prt");
  RunFailingBatch(u8R"J(
action new_zujianV1
  set enum0 2
  apply
  cancel
)J", "立柱-3-2.prt");
  EXPECT_EQ(ChildrenOfParent(), std::vector<std::string>{"底板-3-1"}) << "the first sub-component was made and moved";
  ASSERT_EQ(parent.Objects().size(), 1u);
  EXPECT_EQ(parent.Objects()[0]->name, "立柱") << "the body whose part failed stays in the parent";
  EXPECT_TRUE(root->Objects().empty()) << "the link made for the refused part was removed: " << root->Objects().size();
}

// ---- The batch split keeps every body placed, whatever the host refuses.

class BatchSplitFailure : public kzt_test::BatchComponents {
protected:
  // 总装-0 placing 机架-3 twice under component and instance names that are not its file
  // name (as after the drawing dialog's rename job); 机架-3 holds 底板 and 立柱, made to drawing.
  void MakeTwicePlacedParent() {
    Part& parent = MakeAssembly("机架-3", {"底板", "立柱"});
    std::vector<Instance> instances = root->Instances();
    for (const Instance& old : instances) root->RemoveInstance(old.pid);
    for (int i = 0; i < 2; ++i) {
      Instance inst = instances.front();
      inst.pid = 0;
      inst.instanceName = inst.name = i == 0 ? "P-组件2-2" : "P-组件2-3";
      inst.transform = Transform::Translation(1000, 500.0 * i, 0);
      root->AddInstance(inst);
    }
    files::SavePart(*root, root->path);
    rootPath = root->path;
    (void)parent;
  }
  std::string rootPath;
  // Each body name with how often it is placed in the displayed assembly: the root's own
  // bodies and those of every part it places, a part closed by the batch read from its file.
  std::map<std::string, int> PlacedBodies() {
    std::map<std::string, int> placed;
    std::vector<std::unique_ptr<Part>> read;
    std::function<void(const Part&)> walk = [&](const Part& part) {
      for (const auto& object : part.Objects())
        if (object->Type() == kSolidType) ++placed[object->name];
      for (const Instance& instance : part.Instances()) {
        const Part* child = session().FindPartByPath(instance.partPath);
        if (!child) child = read.emplace_back(files::ReadPart(instance.partPath)).get();
        walk(*child);
      }
    };
    // The batch may have closed what it should not have: then the files tell.
    const Part* top = session().FindPartByPath(rootPath);
    if (!top) top = read.emplace_back(files::ReadPart(rootPath)).get();
    walk(*top);
    return placed;
  }
  // Stems of the components directly under the root.
  std::vector<std::string> TopComponents() {
    std::vector<std::string> stems;
    if (session().Displayed() != root) return {"the displayed part was closed"};
    for (ComponentOccurrence* c : occurrences().Children(occurrences().RootOccurrence(*root)))
      stems.push_back(HostFileStem(c->partPath));
    return stems;
  }
  void RunBatchAllowingErrors() {
    try {
      RunBatch();
    } catch (const std::exception&) {
      // A journal stops on an error box; what the batch left behind is what counts.
    }
  }
};

TEST_F(BatchSplitFailure, AParentRenamedAndPlacedTwiceIsSplitWithEveryBodyStillPlacedTwice) {
  MakeTwicePlacedParent();
  const std::map<std::string, int> before{{"底板", 2}, {"立柱", 2}};
  ASSERT_EQ(PlacedBodies(), before);
  RunBatch();
  EXPECT_TRUE(Shown("error box").empty());
  EXPECT_EQ(PlacedBodies(), before);
  EXPECT_EQ(TopComponents(), (std::vector<std::string>{"机架-3", "机架-3"})) << "nothing is left at the top";
  EXPECT_EQ(ChildrenOfParent(), (std::vector<std::string>{"底板-3-1", "立柱-3-2"}));
  EXPECT_EQ(SolidCount(PartNamed("机架-3.prt")), 0) << "both bodies moved into parts of their own";
}

TEST_F(BatchSplitFailure, AHostCallRefusedAtAnyStepOfTheSplitLosesNoBodyAndLeavesNoneTwice) {
  // Which host calls a clean split makes, and how often.
  MakeTwicePlacedParent();
  RefuseHostCall("(none)", 0);
  RunBatch();
  const std::map<std::string, int> calls = HostCallsSeen();
  StopRefusingHostCalls();
  ASSERT_GT(calls.count("UF_OBJ_delete_object"), 0u);
  ASSERT_GT(calls.count("ComponentAssembly::RestructureComponents"), 0u);

  const std::map<std::string, int> before{{"底板", 2}, {"立柱", 2}};
  int refusals = 0;
  for (const auto& [function, count] : calls)
    for (int nth = 1; nth <= count; ++nth) {
      SCOPED_TRACE(function + " refused at call " + std::to_string(nth));
      session().Reset();
      ui::ClearHistory();
      std::filesystem::remove_all(folder);
      std::filesystem::create_directories(folder);
      MakeTwicePlacedParent();
      RefuseHostCall(function, nth);
      RunBatchAllowingErrors();
      StopRefusingHostCalls();
      ++refusals;
      EXPECT_EQ(PlacedBodies(), before);
      EXPECT_EQ(TopComponents(), (std::vector<std::string>{"机架-3", "机架-3"})) << "nothing is left at the top";
      if (HasFailure()) return;
    }
  EXPECT_GT(refusals, 10);
}
