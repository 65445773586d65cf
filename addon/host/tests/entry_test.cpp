// Start-up: the nineteen actions and the application reach the host's menu bar, the
// reporting routines print exactly their texts, and unbuilt commands change nothing.
#include <gtest/gtest.h>

#include <uf_mb.h>

#include "addon/host/tests/framework_fixture.h"
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

TEST_F(AddOnEntry, AnUnbuiltCommandSaysSoAndChangesNothing) {
  int rc = 0;
  testing::internal::CaptureStdout();
  ufsta(nullptr, &rc, 0);
  platform::Part& part = session().NewPart("\\p\\a.prt");
  session().SetDisplayed(&part);
  EXPECT_EQ(platform::ui::RunAction("bom_shuchu"), 0);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(Shown("message"), std::vector<std::string>{Utf8("bom_shuchu: 此命令尚未提供")});
  EXPECT_TRUE(part.Objects().empty());
  EXPECT_FALSE(part.modified);
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
