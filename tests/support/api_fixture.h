// Shared set-up for the C-interface tests: a fresh session, and a three-level assembly
//   root.prt (body "frame")
//     SUB  -> sub.prt at x+100, rotated 90 degrees about Z (body "beam")
//       LEAF -> leaf.prt at y+10 (body "plate", 10 x 20 x 30 from the origin)
//     LEAF2 -> leaf.prt at z+1000
#pragma once
#include <string>

#include <uf_defs.h>

#include "platform/api/host_state.h"
#include "platform/ui/messages.h"
#include "tests/support/test_model.h"

namespace fabdoc_test {

class ApiTest : public SessionTest {
protected:
  void SetUp() override {
    SessionTest::SetUp();
    platform::api::ResetColorTable();
    platform::api::SetListingWindowAvailable(true);
    platform::ui::ClearHistory();
  }
};

// One new part, \p\a.prt, the displayed and work part.
class ApiPartTest : public ApiTest {
protected:
  void SetUp() override {
    ApiTest::SetUp();
    part = &session().NewPart("\\p\\a.prt");
    session().SetDisplayed(part);
  }
  platform::Part* part = nullptr;
};

struct ThreeLevels {
  platform::Part* root;
  platform::Part* sub;
  platform::Part* leaf;
  platform::Body* frame;
  platform::Body* beam;
  platform::Body* plate;
};

// Builds the assembly above and makes root the displayed and work part.
ThreeLevels MakeThreeLevels();

// The GBK form of UTF-8 text written in a test.
std::string Gbk(const std::string& utf8);

}  // namespace fabdoc_test
