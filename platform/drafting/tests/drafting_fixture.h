// Shared set-up for the drafting tests: a fresh session in the modelling application and
// the sheet templates the build writes into data/kzt-1/bom.
#pragma once
#include <cstdlib>
#include <string>

#include "platform/drafting/application.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

namespace fabdoc_test {

// The session is fresh when the test object is made, so fixtures may make their parts
// in member initialisers.
class DraftingTest : public SessionTest {
protected:
  DraftingTest() {
    platform::Session::Get().Reset();
    platform::drafting::SetApplication(platform::drafting::Application::Modeling);
  }
  void SetUp() override {}
  void TearDown() override {
    platform::drafting::SetApplication(platform::drafting::Application::Modeling);
    SessionTest::TearDown();
  }
  // Host path of a sheet template ("A4_nj.prt").
  static std::string SheetTemplate(const std::string& fileName) {
    const char* source = std::getenv("FABDOC_SOURCE_DIR");
    return platform::ToAbsoluteHostPath(std::string(source ? source : ".") + "/data/kzt-1/bom/" + fileName);
  }
};

}  // namespace fabdoc_test
