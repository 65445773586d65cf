// Dialogs driven end to end: a dialog class written against the object interface, as
// an add-on writes one, run by journals through the menu bar.
#include <cmath>
#include <cstdio>
#include <fstream>

#include <gtest/gtest.h>

#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_Button.hxx>
#include <NXOpen/BlockStyler_IntegerBlock.hxx>
#include <NXOpen/BlockStyler_SelectObject.hxx>
#include <NXOpen/BlockStyler_SpecifyPoint.hxx>
#include <NXOpen/BlockStyler_StringBlock.hxx>
#include <NXOpen/Callback.hxx>
#include <NXOpen/NXException.hxx>
#include <NXOpen/NXMessageBox.hxx>
#include <NXOpen/UI.hxx>

#include "app/journal/journal.h"
#include "app/journal/runner.h"
#include "platform/text/gbk.h"
#include "platform/ui/dialog_file.h"
#include "platform/ui/menu_bar.h"
#include "tests/support/test_model.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;
namespace journal = fabdoc::app::journal;

namespace {

std::vector<std::string> calls;  // what the probe's callbacks saw, in order
tag_t rejectedTag = 0;           // the object the probe's filter refuses

// A dialog class in the add-on's pattern: probe.dlx, with a nested probe_inner.dlx.
class Probe {
public:
  explicit Probe(const char* file, bool inner = false) : inner_(inner) {
    dialog_ = UI::GetUI()->CreateDialog(file);
    dialog_->AddApplyHandler(make_callback(this, &Probe::apply_cb));
    dialog_->AddOkHandler(make_callback(this, &Probe::ok_cb));
    dialog_->AddUpdateHandler(make_callback(this, &Probe::update_cb));
    dialog_->AddFilterHandler(make_callback(this, &Probe::filter_cb));
    dialog_->AddCancelHandler(make_callback(this, &Probe::cancel_cb));
    dialog_->AddInitializeHandler(make_callback(this, &Probe::initialize_cb));
    dialog_->AddDialogShownHandler(make_callback(this, &Probe::dialogShown_cb));
  }
  ~Probe() { delete dialog_; }

  BlockDialog::DialogResponse Show() {
    try {
      return dialog_->Show();
    } catch (std::exception& e) {
      UI::GetUI()->NXMessageBox()->Show("Block Styler", NXMessageBox::DialogTypeError, e.what());
      return BlockDialog::DialogResponseCancel;
    }
  }

  void initialize_cb() {
    calls.push_back("initialize");
    CompositeBlock* top = dialog_->TopBlock();
    if (inner_) return;  // the inner dialog has only "answer"
    name_ = dynamic_cast<StringBlock*>(top->FindBlock("name"));
    echo_ = dynamic_cast<StringBlock*>(top->FindBlock("echo"));
    p1_ = dynamic_cast<SpecifyPoint*>(top->FindBlock("p1"));
    p2_ = dynamic_cast<SpecifyPoint*>(top->FindBlock("p2"));
    sel_ = dynamic_cast<SelectObject*>(top->FindBlock("sel"));
    count_ = dynamic_cast<IntegerBlock*>(top->FindBlock("count"));
    more_ = dynamic_cast<Button*>(top->FindBlock("more"));
    PropertyList* props = sel_->GetProperties();
    props->SetSelectionFilter("SelectionFilter", Selection::SelectionActionClearAndEnableSpecific,
                              {Selection::MaskTriple(70, 0, 36)});
    delete props;
  }
  void dialogShown_cb() { calls.push_back("shown"); }

  int update_cb(UIBlock* block) {
    calls.push_back(std::string("update ") + block->Name().GetText());
    if (block == name_) echo_->SetValue(NXString(std::string("echo:") + name_->Value().GetText()));
    if (block == sel_) count_->SetValue(static_cast<int>(sel_->GetSelectedObjects().size()));
    if (block == more_) {
      Probe inner("probe_inner.dlx", true);
      if (inner.Show() == BlockDialog::DialogResponseOk) {
        PropertyList* answer = inner.dialog_->GetBlockProperties("answer");
        echo_->SetValue(answer->GetString("Value"));
        delete answer;
      }
    }
    return 0;
  }

  int filter_cb(UIBlock*, TaggedObject* candidate) { return candidate->Tag() == rejectedTag ? 0 : 1; }

  int apply_cb() {
    calls.push_back("apply");
    if (!p1_) return 0;
    const Point3d a = p1_->Point(), b = p2_->Point();
    char text[64];
    std::snprintf(text, sizeof text, "length %.3f", std::sqrt(std::pow(b.X - a.X, 2) + std::pow(b.Y - a.Y, 2) +
                                                              std::pow(b.Z - a.Z, 2)));
    UI::GetUI()->NXMessageBox()->Show("probe", NXMessageBox::DialogTypeInformation, text);
    return 0;
  }
  int ok_cb() {
    calls.push_back("ok");
    return apply_cb();
  }
  int cancel_cb() {
    calls.push_back("cancel");
    return 0;
  }

private:
  bool inner_;
  BlockDialog* dialog_ = nullptr;
  StringBlock *name_ = nullptr, *echo_ = nullptr;
  SpecifyPoint *p1_ = nullptr, *p2_ = nullptr;
  SelectObject* sel_ = nullptr;
  IntegerBlock* count_ = nullptr;
  Button* more_ = nullptr;
};

class DialogJournal : public fabdoc_test::SessionTest {
protected:
  void SetUp() override {
    SessionTest::SetUp();
    dir_ = fabdoc_test::FreshDir("dialog-journal");
    std::ofstream(dir_ + "/probe.dlx") << R"(<dialog title="probe">
  <block id="group0" kind="Group">
    <block id="name" kind="StringBlock"/>
    <block id="echo" kind="StringBlock"/>
    <block id="p1" kind="SpecifyPoint"/>
    <block id="p2" kind="SpecifyPoint" Point="0,0,10"/>
  </block>
  <block id="sel" kind="SelectObject"/>
  <block id="count" kind="IntegerBlock"/>
  <block id="more" kind="Button"/>
</dialog>)";
    std::ofstream(dir_ + "/probe_inner.dlx") << R"(<dialog><block id="answer" kind="StringBlock"/></dialog>)";
    platform::ui::SetDialogFolders({dir_});
    platform::ui::AddActions({{"probe", [] {
                                 Probe probe("probe.dlx");
                                 probe.Show();
                                 return 0;
                               }}});
    calls.clear();
    platform::Part& part = session().NewPart("\\t\\probe.prt");
    a_ = fabdoc_test::AddBox(part, 0, 0, 0, 10, 10, 10, "A").GetTag();
    b_ = fabdoc_test::AddBox(part, 20, 0, 0, 10, 10, 10, "B").GetTag();
    session().SetDisplayed(&part);
  }
  void TearDown() override {
    platform::ui::ClearMenuBar();
    platform::ui::SetDialogFolders({});
    SessionTest::TearDown();
  }

  // Runs the journal text; returns what it printed, or the error as "ERROR j.jnl:N: ...".
  std::string Run(const std::string& text) {
    std::FILE* out = std::tmpfile();
    std::string result;
    try {
      journal::Journal j = journal::ParseJournal(text, "j.jnl", dir_);
      journal::Runner(j, out).Run();
    } catch (const journal::JournalError& e) {
      result = std::string("ERROR ") + e.what();
    }
    std::rewind(out);
    char buffer[512];
    std::string printed;
    while (std::fgets(buffer, sizeof buffer, out)) printed += buffer;
    std::fclose(out);
    return result.empty() ? printed : result;
  }

  std::string dir_;
  platform::Tag a_ = 0, b_ = 0;
};

}  // namespace

TEST_F(DialogJournal, SettingValuesFiresUpdateAndApplyAndOkSeeTheValues) {
  const std::string printed = Run(
      "action probe\n"
      "  set name \"底板\"\n"
      "  expect echo \"echo:底板\"\n"
      "  set p2 30,40,0\n"
      "  apply\n"
      "  expect message \"length 50.000\"\n"
      "  select sel body:A body:B\n"
      "  expect count 2\n"
      "  print p2\n"
      "  print sel.MaximumScope\n"
      "  ok\n"
      "expect message \"length 50.000\"\n");
  // |(30, 40, 0) - (0, 0, 0)| = 50; the scope default is member 1.
  EXPECT_EQ(printed, "p2 = 30,40,0\nsel.MaximumScope = 1 \"Within Work Part and Components\"\n");
  EXPECT_EQ(calls, (std::vector<std::string>{"initialize", "shown", "update name", "update p2", "apply",
                                             "update sel", "ok", "apply"}));
}

TEST_F(DialogJournal, ADialogOpenedByACallbackTakesTheLinesIndentedUnderIt) {
  const std::string printed = Run(
      "action probe\n"
      "  press more\n"
      "    set answer \"内层\"\n"
      "    ok\n"
      "  expect echo \"内层\"\n"
      "  press more\n"
      "    cancel\n"
      "  print echo\n"
      "  cancel\n");
  EXPECT_EQ(printed, "echo = \"内层\"\n") << "a cancelled inner dialog leaves the field alone";
  EXPECT_EQ(calls, (std::vector<std::string>{"initialize", "shown", "update more", "initialize", "shown",
                                             "update answer", "ok", "apply", "update more", "initialize",
                                             "shown", "cancel", "cancel"}));
}

TEST_F(DialogJournal, WrongLinesStopTheRunNamingTheLine) {
  rejectedTag = b_;
  std::string e = Run("action probe\n  select sel body:A\n  select sel body:B\n  ok\n");
  EXPECT_EQ(e.rfind("ERROR j.jnl:3: block \"sel\" does not take object", 0), 0u) << e;
  EXPECT_NE(e.find("the dialog's filter rejected it"), std::string::npos) << e;
  rejectedTag = 0;

  e = Run("action probe\n  set name \"x\"\nsave\n");
  EXPECT_EQ(e, "ERROR j.jnl:1: dialog probe.dlx is still open but the lines under this one ended; end them "
               "with ok or cancel");
  EXPECT_EQ(calls.back(), "cancel") << "the unfinished dialog is cancelled";

  e = Run("action probe\n  press more\n    set answer \"x\"\n  ok\n");
  EXPECT_EQ(e.rfind("ERROR j.jnl:2: dialog probe_inner.dlx is still open", 0), 0u) << e;

  EXPECT_EQ(Run("action probe\n  set nosuch 1\n  ok\n"), "ERROR j.jnl:2: dialog probe.dlx has no block \"nosuch\"");
  EXPECT_EQ(Run("action probe\n  set name \"😀\"\n  ok\n").rfind("ERROR j.jnl:2: ", 0), 0u);
  EXPECT_EQ(Run("action probe\n  select sel body:Z\n  ok\n"),
            "ERROR j.jnl:2: selector body:Z matches no solid body");
  EXPECT_EQ(Run("action probe\n  set count 2.5\n  ok\n"), "ERROR j.jnl:2: \"2.5\" is not a whole number");
  EXPECT_EQ(Run("action probe\n  expect count 3\n  ok\n"), "ERROR j.jnl:2: expected count = 3, found 0");
  EXPECT_EQ(Run("action probe\n  press name\n  ok\n"),
            "ERROR j.jnl:2: block \"name\" is a StringBlock, which cannot be pressed");
  EXPECT_EQ(Run("action probe\n  ok\n  apply\n"),
            "ERROR j.jnl:3: \"apply\" was not used: action probe showed no further dialog");
  EXPECT_EQ(Run("action probe\n  ok\n    ok\n"),
            "ERROR j.jnl:3: this line was not used: line 2 opened no further dialog");
  EXPECT_EQ(Run("action nosuch\n"), "ERROR j.jnl:1: no menu action named \"nosuch\" is registered");
  EXPECT_EQ(Run("set name \"x\"\n"),
            "ERROR j.jnl:1: \"set\" drives a dialog; indent it under the action that shows the dialog");
  EXPECT_EQ(Run("action probe\n  cancel\nexpect message \"never shown\"\n").rfind(
                "ERROR j.jnl:3: expected the message \"never shown\"", 0),
            0u);
}

TEST_F(DialogJournal, CreateDialogOfAMissingFileThrowsNamingIt) {
  try {
    delete UI::GetUI()->CreateDialog("zujian.dlx");
    ADD_FAILURE() << "no zujian.dlx in " << dir_;
  } catch (const NXException& e) {
    EXPECT_NE(std::string(e.what()).find("dialog file zujian.dlx not found"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find(dir_), std::string::npos) << e.what();
  }
  std::ofstream(dir_ + "/broken.dlx") << "<dialog><block id=\"x\" kind=\"Toggle\"></dialog>";
  try {
    delete UI::GetUI()->CreateDialog("broken.dlx");
    ADD_FAILURE() << "broken.dlx is malformed";
  } catch (const NXException& e) {
    EXPECT_NE(std::string(e.what()).find(dir_ + "/broken.dlx:1: not a valid dialog file"), std::string::npos)
        << e.what();
  }
}
