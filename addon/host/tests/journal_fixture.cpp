// In-process journals for the add-on's command tests.
#include "addon/host/tests/journal_fixture.h"

#include "app/journal/journal.h"
#include "app/journal/runner.h"
#include "platform/ui/menu_bar.h"

extern "C" void ufsta(char* param, int* retcode, int paramLen);

namespace kzt_test {

void CommandTest::SetUp() {
  HostTest::SetUp();
  platform::ui::ClearMenuBar();
  testing::internal::CaptureStdout();
  int rc = 0;
  ufsta(nullptr, &rc, 0);
  testing::internal::GetCapturedStdout();
  folder = fabdoc_test::FreshDir("addon-commands");
}

void CommandTest::Run(const char8_t* journalText) {
  const std::string text(reinterpret_cast<const char*>(journalText));
  const auto journal = fabdoc::app::journal::ParseJournal(text, folder + "/test.journal", folder);
  fabdoc::app::journal::Runner runner(journal);
  runner.Run();
}

std::string CommandTest::RunCapturing(const char8_t* journalText) {
  testing::internal::CaptureStdout();
  try {
    Run(journalText);
  } catch (...) {
    testing::internal::GetCapturedStdout();
    throw;
  }
  return testing::internal::GetCapturedStdout();
}

}  // namespace kzt_test
