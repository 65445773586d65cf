// Shared set-up for the add-on's host tests: a fresh session, an empty message history
// and the test dialog folder on the search path.
#pragma once
#include <cstdlib>
#include <string>

#include "platform/text/gbk.h"
#include "platform/ui/messages.h"
#include "tests/support/test_model.h"

namespace kzt_test {

class HostTest : public fabdoc_test::SessionTest {
protected:
  void SetUp() override {
    fabdoc_test::SessionTest::SetUp();
    platform::ui::ClearHistory();
    const std::string root = SourceDir();
    setenv("FABDOC_DIALOG_PATH", (root + "/addon/host/tests/dialogs:" + root + "/addon/dialogs").c_str(), 1);
  }
  // The project's sources: FABDOC_SOURCE_DIR when set, else where the tests were built from.
  static std::string SourceDir() {
    const char* source = std::getenv("FABDOC_SOURCE_DIR");
    return source ? source : FABDOC_TEST_SOURCE_DIR;
  }
  // Shown messages are UTF-8; literals in these tests are GBK.
  static std::string Utf8(const std::string& gbk) { return platform::text::ToUtf8(gbk); }
  // The shown messages of one kind, in order.
  std::vector<std::string> Shown(const std::string& kind) {
    std::vector<std::string> texts;
    for (const auto& m : platform::ui::History())
      if (m.kind == kind) texts.push_back(m.text);
    return texts;
  }
};

}  // namespace kzt_test
