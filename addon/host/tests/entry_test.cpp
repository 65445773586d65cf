// Start-up: the nineteen actions and the application reach the host's menu bar, each
// bound to its own command, and the reporting routines print exactly their texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <uf.h>
#include <uf_mb.h>

#include "addon/host/tests/framework_fixture.h"
#include "addon/host/tests/journal_fixture.h"
#include "platform/drafting/sheets.h"
#include "platform/files/part_file.h"
#include "platform/text/host_path.h"
#include "host/action_table.h"
#include "host/report_status.h"
#include "platform/ui/menu_bar.h"

extern "C" void ufsta(char* param, int* retcode, int paramLen);
extern "C" int ufusr_ask_unload();

namespace {

const std::vector<std::string> kExpectedActions = {
    "drawing",      "attrV2",      "bom_shuchu",   "attr_jiancha",    "genxinbom",
    "wucanku",      "new_zujianV1", "bili_yangshi", "tuceng_xianshi", "baijin_heibai",
    "tuhao_xiegai", "delete_attr", "wrod_lujin",   "TWO_CYL_tool",    "boark",
    "delete_xiantong", "yanse_touming", "shitu_shichu", "2D"};

}  // namespace

class AddOnEntry : public kzt_test::HostTest {
protected:
  void SetUp() override {
    kzt_test::HostTest::SetUp();
    platform::ui::ClearMenuBar();
  }
};

TEST_F(AddOnEntry, TableHasNineteenRowsInMenuOrderAndANullRow) {
  UF_MB_action_t* table = action_table();
  for (size_t i = 0; i < kExpectedActions.size(); ++i) {
    ASSERT_NE(table[i].action_name, nullptr) << "row " << i;
    EXPECT_EQ(kExpectedActions[i], table[i].action_name);
    EXPECT_NE(table[i].action_cb.cb, nullptr);
    EXPECT_EQ(table[i].action_cb.cb_data, nullptr);
  }
  EXPECT_EQ(table[kExpectedActions.size()].action_name, nullptr);
}

TEST_F(AddOnEntry, StartUpRegistersEveryActionAndTheApplication) {
  testing::internal::CaptureStdout();
  int rc = 0;
  ufsta(nullptr, &rc, 0);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(platform::ui::ActionNames(), kExpectedActions);
  ASSERT_EQ(platform::ui::Applications().size(), 1u);
  EXPECT_EQ(platform::ui::Applications()[0].name, "XXX");
  EXPECT_EQ(out, "Initializing application\n") << "no registration failed, so nothing else is printed";
  EXPECT_EQ(ufusr_ask_unload(), 1);
  EXPECT_FALSE(platform::ui::HasAction("two_cyl_tool")) << "names are case-sensitive";
}

// Each dialog command opens its own dialog file, told apart by blocks that only that
// file has; each direct command leaves its own mark on the part or the session.
class AddOnCommandBinding : public kzt_test::CommandTest {};

TEST_F(AddOnCommandBinding, EveryActionIsBoundToItsCommand) {
  platform::Part& part = session().NewPart(platform::ToHostPath(folder) + "\\frame.prt");
  fabdoc_test::AddBox(part, 0, 0, 0, 100, 50, 20, "B1");
  for (const char* name : {"000-2-B", "000-1-A"}) platform::drafting::AddSheet(part, name, 297, 210);
  platform::files::SavePart(part, part.path);
  session().SetDisplayed(&part);

  const std::vector<std::pair<std::string, std::vector<std::string>>> dialogs = {
      {"drawing", {"tuhao", "ming"}},          {"attrV2", {"blockleixing"}},
      {"bom_shuchu", {"filepath"}},            {"attr_jiancha", {"blockwu"}},
      {"genxinbom", {"selection0", "expression0"}}, {"wucanku", {"tree_control0"}},
      {"new_zujianV1", {"moldno"}},            {"tuhao_xiegai", {"stringss_qian"}},
      {"delete_attr", {"toggle_qian"}},        {"TWO_CYL_tool", {"point01"}},
      {"boark", {"manip0"}},                   {"delete_xiantong", {"zongsu"}},
      {"shitu_shichu", {"shitu", "boy"}}};
  std::vector<std::string> bound;
  for (const auto& [action, blocks] : dialogs) {
    std::string journal = "action " + action + "\n";
    for (const std::string& block : blocks) journal += "  print " + block + "\n";
    journal += "  cancel\n";
    const std::string out = RunCapturing(reinterpret_cast<const char8_t*>(journal.c_str()));
    for (const std::string& block : blocks)
      EXPECT_NE(out.find(block + " ="), std::string::npos) << action << " shows its own dialog: " << out;
    bound.push_back(action);
  }

  // bili_yangshi numbers the sheets in name order.
  RunCapturing(u8"action bili_yangshi\n");
  EXPECT_EQ(platform::drafting::FindSheet(part, "000-1-A")->number, 1);
  EXPECT_EQ(platform::drafting::FindSheet(part, "000-2-B")->number, 2);
  bound.push_back("bili_yangshi");
  // tuceng_xianshi ends with the current sheet's tidy-up: a whole-number ratio.
  EXPECT_FALSE(platform::drafting::CurrentSheet(part)->ratio);
  RunCapturing(u8"action tuceng_xianshi\n");
  EXPECT_TRUE(platform::drafting::CurrentSheet(part)->ratio);
  bound.push_back("tuceng_xianshi");
  // baijin_heibai, wrod_lujin and yanse_touming are driven through their menu actions,
  // each to its own mark, in display_commands_test.
  for (const char* action : {"baijin_heibai", "wrod_lujin", "yanse_touming"}) bound.push_back(action);
  // 2D writes the sheets as DWG files beside the part.
  RunCapturing(u8"action 2D\n  pick none\n");
  EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(folder) / std::filesystem::path(u8"frameCAD工程图")));
  bound.push_back("2D");

  std::sort(bound.begin(), bound.end());
  std::vector<std::string> expected = kExpectedActions;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(bound, expected) << "all nineteen actions were tried";
}

TEST_F(AddOnEntry, ReportUfStatusPrintsOnlyFailures) {
  testing::internal::CaptureStdout();
  report_uf_status("UF_MB_add_actions", 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  testing::internal::CaptureStdout();
  report_uf_status("UF_MB_add_actions", 1001);  // the host's code for a dead tag
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out.rfind("UF_MB_add_actions failed with error = 1001\n  ", 0), 0u) << out;
  EXPECT_GT(out.size(), std::string("UF_MB_add_actions failed with error = 1001\n  \n").size())
      << "the host's message text follows";
}

TEST_F(AddOnEntry, ReportUfErrorWritesFivePiecesToLogAndListing) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_EQ(report_uf_error("一键透明", 42, "UF_initialize()", 0), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_EQ(report_uf_error("一键透明", 42, "UF_initialize()", 1001), 1001);
  testing::internal::GetCapturedStdout();
  testing::internal::GetCapturedStderr();
  auto log = Shown("syslog");
  auto listing = Shown("listing");
  // "header\n+++ message\nUF_initialize();\n" arrives as three lines in each place.
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], Utf8("*** ERROR code 1001 at line 42 in 一键透明:"));
  EXPECT_EQ(log[1].rfind("+++ ", 0), 0u);
  EXPECT_EQ(log[2], "UF_initialize();");
  EXPECT_EQ(listing, log);
}
