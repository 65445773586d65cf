// What both host interfaces answer for a failure of any kind: the modeller's exceptions,
// which are no std::exception, included.
#include <new>
#include <stdexcept>

#include <Standard_ConstructionError.hxx>
#include <gp_Trsf.hxx>
#include <gtest/gtest.h>

#include "platform/geometry/caught_error.h"

using namespace platform;

namespace {

template <class F>
HostError Caught(F&& thrower) {
  try {
    thrower();
  } catch (...) {
    return CaughtAsHostError();
  }
  return HostError(HostStatus::Ok, "nothing was thrown");
}

}  // namespace

TEST(CaughtError, EachKindOfFailureBecomesTheHostsErrorWithItsText) {
  // A matrix of zeros has no rigid motion: the modeller raises Standard_ConstructionError.
  const HostError modeller = Caught([] {
    gp_Trsf trsf;
    trsf.SetValues(0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3);
  });
  EXPECT_EQ(modeller.Status(), HostStatus::ModellingFailed);
  EXPECT_NE(std::string(modeller.what()).find("the modeller failed"), std::string::npos) << modeller.what();

  const HostError own = Caught([] { throw HostError(HostStatus::NotFound, "part x.prt was not found"); });
  EXPECT_EQ(own.Status(), HostStatus::NotFound);
  EXPECT_STREQ(own.what(), "part x.prt was not found");

  const HostError memory = Caught([] { throw std::bad_alloc(); });
  EXPECT_EQ(memory.Status(), HostStatus::Aborted);
  EXPECT_STREQ(memory.what(), "out of memory");

  const HostError other = Caught([] { throw std::out_of_range("cell 3 of 2"); });
  EXPECT_EQ(other.Status(), HostStatus::Aborted);
  EXPECT_STREQ(other.what(), "cell 3 of 2");
}

TEST(CaughtError, AnythingElseIsThrownOn) {
  EXPECT_THROW(Caught([] { throw 42; }), int);
}
