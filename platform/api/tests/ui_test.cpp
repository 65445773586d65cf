// The user-interface side of the C interface: message box, listing window, status line,
// system log, class selection, menu actions and applications, environment variables and
// library loading.
#include <uf.h>
#include <uf_mb.h>
#include <uf_obj.h>
#include <uf_ui.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "tests/support/api_fixture.h"
#include "platform/text/host_path.h"
#include "platform/ui/driver.h"
#include "platform/ui/menu_bar.h"

using namespace platform;
using namespace fabdoc_test;

namespace {

std::vector<ui::ShownMessage> Shown(const std::string& kind) {
  std::vector<ui::ShownMessage> out;
  for (const auto& m : ui::History())
    if (m.kind == kind) out.push_back(m);
  return out;
}

class PickingDriver : public ui::Driver {
public:
  explicit PickingDriver(std::optional<std::vector<Tag>> answer) : answer_(std::move(answer)) {}
  void RunDialog(ui::Dialog&) override {}
  std::optional<std::vector<Tag>> PickObjects(const std::string& gbkTitle) override {
    titles.push_back(gbkTitle);
    return answer_;
  }
  std::vector<std::string> titles;

private:
  std::optional<std::vector<Tag>> answer_;
};

// Sets an environment variable for one test and puts it back afterwards.
class ScopedEnv {
public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

private:
  const char* name_;
  std::optional<std::string> old_;
};

struct CallbackLog {
  int calls = 0;
  std::string button;
  void* data = nullptr;
};
CallbackLog callbackLog;

UF_MB_cb_status_t RecordingAction(UF_MB_widget_t, UF_MB_data_t data, UF_MB_activated_button_p_t button) {
  ++callbackLog.calls;
  callbackLog.button = button->name;
  callbackLog.data = data;
  return UF_MB_CB_CONTINUE;
}

UF_MB_cb_status_t OtherAction(UF_MB_widget_t, UF_MB_data_t, UF_MB_activated_button_p_t) { return UF_MB_CB_CANCEL; }

int initCalls = 0;
void InitApplication() { ++initCalls; }

}  // namespace

class UiCalls : public ApiTest {
protected:
  void TearDown() override {
    ui::SetDriver(nullptr);
    ui::ClearMenuBar();
    ApiTest::TearDown();
  }
};

TEST_F(UiCalls, MessagesListingStatusAndLogGoWhereTheConsoleShowsThem) {
  ASSERT_EQ(uc1601(Gbk("请选择体!").c_str(), 1), 0);
  ASSERT_EQ(Shown("message").size(), 1u);
  EXPECT_EQ(Shown("message")[0].text, "请选择体!");

  ASSERT_EQ(UF_UI_open_listing_window(), 0);
  logical open = false;
  UF_UI_is_listing_window_open(&open);
  EXPECT_TRUE(open);
  UF_UI_write_listing_window("*** ERROR code 1001 at line 12 in ");
  UF_UI_write_listing_window(Gbk("一键透明").c_str());
  UF_UI_write_listing_window(":\n+++ ");
  EXPECT_EQ(Shown("listing").size(), 1u) << "a line is shown when it is complete";
  EXPECT_EQ(Shown("listing")[0].text, "*** ERROR code 1001 at line 12 in 一键透明:");
  UF_UI_write_listing_window("\n");

  ASSERT_EQ(UF_UI_set_status(Gbk("kzt-1制作").c_str()), 0);
  EXPECT_EQ(Shown("status").at(0).text, "kzt-1制作");
  ASSERT_EQ(UF_print_syslog("UF_initialize();\n", false), 0);
  EXPECT_EQ(Shown("syslog").at(0).text, "UF_initialize();");
}

TEST_F(UiCalls, ListingWindowThatCannotOpenFailsAndWritesNothing) {
  api::SetListingWindowAvailable(false);
  EXPECT_NE(UF_UI_open_listing_window(), 0);
  EXPECT_NE(UF_UI_write_listing_window("x\n"), 0);
  EXPECT_TRUE(Shown("listing").empty());
  EXPECT_EQ(UF_print_syslog("still logged\n", false), 0);
  EXPECT_EQ(Shown("syslog").size(), 1u);
}

TEST_F(UiCalls, ClassSelectionAsksTheDriverAndFailsCleanlyWithoutOne) {
  int response = 0, count = -1;
  tag_t* objects = reinterpret_cast<tag_t*>(0x1);
  EXPECT_NE(UF_UI_select_with_class_dialog("kzt", "kzt", UF_UI_SEL_SCOPE_ANY_IN_ASSEMBLY, nullptr, nullptr, &response,
                                           &count, &objects),
            0);
  EXPECT_EQ(response, UF_UI_CANCEL);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(objects, nullptr);

  PickingDriver picks(std::vector<Tag>{10005, 10007});
  ui::SetDriver(&picks);
  ASSERT_EQ(UF_UI_select_with_class_dialog("cue", "kzt", 3, nullptr, nullptr, &response, &count, &objects), 0);
  EXPECT_EQ(response, UF_UI_OK);
  ASSERT_EQ(count, 2);
  EXPECT_EQ(objects[0], 10005u);
  EXPECT_EQ(objects[1], 10007u);
  UF_free(objects);
  EXPECT_EQ(picks.titles, std::vector<std::string>{"kzt"});

  PickingDriver cancels(std::nullopt);
  ui::SetDriver(&cancels);
  ASSERT_EQ(UF_UI_select_with_class_dialog("cue", "kzt", 3, nullptr, nullptr, &response, &count, &objects), 0);
  EXPECT_EQ(response, UF_UI_CANCEL);
  EXPECT_EQ(count, 0);
}

TEST_F(UiCalls, ActionTableBindsNamesToCallbacksAndApplicationsGetIds) {
  static char name1[] = "TWO_CYL_tool", name2[] = "2D";
  static int clientData = 7;
  UF_MB_action_t table[] = {{name1, {RecordingAction, &clientData}}, {name2, {OtherAction, nullptr}}, {nullptr, {nullptr, nullptr}}};
  ASSERT_EQ(UF_MB_add_actions(table), 0);
  EXPECT_EQ(ui::ActionNames(), (std::vector<std::string>{"TWO_CYL_tool", "2D"}));
  callbackLog = {};
  EXPECT_EQ(ui::RunAction("TWO_CYL_tool"), UF_MB_CB_CONTINUE);
  EXPECT_EQ(callbackLog.calls, 1);
  EXPECT_EQ(callbackLog.button, "TWO_CYL_tool");
  EXPECT_EQ(callbackLog.data, &clientData);
  EXPECT_FALSE(ui::HasAction("two_cyl_tool")) << "names are case-sensitive";

  static char appName[] = "XXX";
  UF_MB_application_t app{};
  app.name = appName;
  app.init_proc = InitApplication;
  app.drawings_supported = true;
  app.design_in_context_supported = true;
  initCalls = 0;
  ASSERT_EQ(UF_MB_register_application(&app), 0);
  EXPECT_EQ(initCalls, 1) << "the host initialises an application when it is registered";
  EXPECT_GE(app.id, 1);
  ASSERT_FALSE(ui::Applications().empty());
  EXPECT_EQ(ui::Applications().back().name, "XXX");
  ui::Applications().back().init();
  EXPECT_EQ(initCalls, 2);

  UF_MB_action_t broken[] = {{name1, {nullptr, nullptr}}, {nullptr, {nullptr, nullptr}}};
  EXPECT_NE(UF_MB_add_actions(broken), 0);
}

TEST_F(UiCalls, BaseDirectoryIsAHostPathAndMustBeAFolder) {
  const std::string dir = FreshDir("ugii");
  {
    ScopedEnv env("UGII_BASE_DIR", dir);
    char* value = nullptr;
    ASSERT_EQ(UF_translate_variable("UGII_BASE_DIR", &value), 0);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(std::string(value), ToHostPath(dir));
    EXPECT_EQ(ToLocalPath(std::string(value) + "\\kzt-1\\bom"), dir + "/kzt-1/bom");
  }
  {
    ScopedEnv env("UGII_BASE_DIR", dir + "/missing");
    char* value = reinterpret_cast<char*>(0x1);
    const int code = UF_translate_variable("UGII_BASE_DIR", &value);
    EXPECT_NE(code, 0);
    EXPECT_EQ(value, nullptr);
    char message[UF_UI_MAX_STRING_LEN + 1];
    UF_get_fail_message(code, message);
    EXPECT_NE(std::string(message).find("missing"), std::string::npos) << message;
  }
  {
    // Unset: the project's data/ folder when it is there.
    ScopedEnv env("UGII_BASE_DIR", "");
    char* value = nullptr;
    if (UF_translate_variable("UGII_BASE_DIR", &value) == 0) {
      ASSERT_NE(value, nullptr);
      EXPECT_EQ(HostFileName(value), "data");
    }
  }
  char* value = reinterpret_cast<char*>(0x1);
  unsetenv("FABDOC_NO_SUCH_VARIABLE");
  EXPECT_EQ(UF_translate_variable("FABDOC_NO_SUCH_VARIABLE", &value), 0);
  EXPECT_EQ(value, nullptr);
  ScopedEnv other("FABDOC_TEST_TEXT", "钢板");
  ASSERT_EQ(UF_translate_variable("FABDOC_TEST_TEXT", &value), 0);
  EXPECT_EQ(std::string(value), Gbk("钢板"));
}

TEST_F(UiCalls, HostLibraryFunctionsAreFoundByDecoratedNameOrNotAtAll) {
  // A real shared library standing in for the host's display library.
  const std::string dir = FreshDir("nxbin");
  std::filesystem::create_directories(dir + "/NXBIN");
  std::filesystem::copy_file("/lib/x86_64-linux-gnu/libm.so.6", dir + "/NXBIN/libdisp.dll");
  ScopedEnv env("UGII_BASE_DIR", dir);
  const std::string library = ToHostPath(dir) + "\\NXBIN\\libdisp.dll";

  UF_load_f_p_t function = reinterpret_cast<UF_load_f_p_t>(0x1);
  ASSERT_EQ(UF_load_library(library.c_str(), "cos", &function), 0);
  ASSERT_NE(function, nullptr);
  EXPECT_DOUBLE_EQ(reinterpret_cast<double (*)(double)>(function)(0.0), 1.0);
  EXPECT_NE(UF_load_library(library.c_str(), "?MT_show_progress_bar@@YAXPEAJ@Z", &function), 0);
  EXPECT_EQ(function, nullptr);
  EXPECT_EQ(UF_unload_library(library.c_str()), 0);
  EXPECT_NE(UF_unload_library(library.c_str()), 0) << "already released";

  const std::string missing = ToHostPath(dir) + "\\NXBIN\\nothing.dll";
  EXPECT_NE(UF_load_library(missing.c_str(), "cos", &function), 0);
  EXPECT_EQ(function, nullptr);
}

TEST_F(UiCalls, LibraryLoadsAreCountedAndEachReleaseGivesOneBack) {
  // Not the host's own folder: such a library goes when its last load is given back.
  const std::string dir = FreshDir("counted");
  std::filesystem::copy_file("/lib/x86_64-linux-gnu/libm.so.6", dir + "/libcount.dll");
  const std::string library = ToHostPath(dir) + "\\libcount.dll";
  UF_load_f_p_t cosine = nullptr, sine = nullptr, missing = nullptr;
  ASSERT_EQ(UF_load_library(library.c_str(), "cos", &cosine), 0);
  ASSERT_EQ(UF_load_library(library.c_str(), "sin", &sine), 0);
  EXPECT_NE(UF_load_library(library.c_str(), "no_such_function", &missing), 0) << "a load that finds nothing";
  EXPECT_EQ(UF_unload_library(library.c_str()), 0);
  EXPECT_EQ(UF_unload_library(library.c_str()), 0) << "the second load is given back too";
  EXPECT_NE(UF_unload_library(library.c_str()), 0) << "the failed load counted nothing";
}

// The add-on's start-up and failure-report idioms written as the add-on
// writes them: a literal action table, an application record, the report pieces.
namespace {

UF_MB_cb_status_t Drawing(UF_MB_widget_t, UF_MB_data_t, UF_MB_activated_button_p_t) { return UF_MB_CB_CONTINUE; }

int ReportError(const char* file, int line, const char* call, int irc) {
  if (irc) {
    char err[133], msg[133];
    std::snprintf(msg, sizeof msg, "*** ERROR code %d at line %d in %s:\n+++ ", irc, line, file);
    UF_get_fail_message(irc, err);
    UF_print_syslog(msg, FALSE);
    UF_print_syslog(err, FALSE);
    UF_print_syslog("\n", FALSE);
    UF_print_syslog(call, FALSE);
    UF_print_syslog(";\n", FALSE);
    if (!UF_UI_open_listing_window()) {
      UF_UI_write_listing_window(msg);
      UF_UI_write_listing_window(err);
      UF_UI_write_listing_window("\n");
      UF_UI_write_listing_window(call);
      UF_UI_write_listing_window(";\n");
    }
  }
  return irc;
}

}  // namespace

TEST_F(UiCalls, AddOnStartUpIdiomsRegisterAndReport) {
  static UF_MB_action_t actionTable[] = {{"drawing", Drawing, NULL}, {"2D", Drawing, NULL}, {NULL, NULL, NULL}};
  EXPECT_EQ(UF_MB_add_actions(actionTable), 0);
  UF_MB_application_t appData;
  appData.id = 0;
  appData.name = "XXX";
  appData.init_proc = nullptr;
  appData.exit_proc = nullptr;
  appData.enter_proc = nullptr;
  appData.drawings_supported = TRUE;
  appData.design_in_context_supported = TRUE;
  EXPECT_EQ(UF_MB_register_application(&appData), 0);
  EXPECT_EQ(ui::RunAction("2D"), 0);

  EXPECT_EQ(ReportError("t.cpp", 7, "UF_initialize()", 0), 0);
  EXPECT_TRUE(ui::History().empty());
  api::SetListingWindowAvailable(false);
  const int code = UF_OBJ_delete_object(NULL_TAG);
  EXPECT_EQ(ReportError("t.cpp", 7, "UF_initialize()", code), code);
  const auto log = Shown("syslog");
  // The five pieces make three log lines: header, "+++ " and the message, the call.
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].text, "*** ERROR code " + std::to_string(code) + " at line 7 in t.cpp:");
  EXPECT_EQ(log[1].text, "+++ tag 0 names no object in this session");
  EXPECT_EQ(log[2].text, "UF_initialize();");
  EXPECT_TRUE(Shown("listing").empty());
}
