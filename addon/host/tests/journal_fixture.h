// Drives the add-on's commands in-process the way `fabdoc run` does: the add-on is
// started (ufsta) and a journal's lines answer its dialogs. Journal text is UTF-8 (u8
// literals), while the add-on's own literals in these tests are GBK.
#pragma once
#include <string>

#include "addon/host/tests/framework_fixture.h"
#include "platform/text/host_path.h"

namespace kzt_test {

class CommandTest : public HostTest {
protected:
  void SetUp() override;
  // Runs the journal text; throws the journal's error naming the failing line.
  void Run(const char8_t* journalText);
  // Runs it and returns what the host printed on standard output meanwhile.
  std::string RunCapturing(const char8_t* journalText);
  // The host's path of a file named `gbkName` in the test's folder.
  std::string HostPath(const std::string& gbkName) const { return platform::ToHostPath(folder) + "\\" + gbkName; }
  std::string folder;
};

}  // namespace kzt_test
