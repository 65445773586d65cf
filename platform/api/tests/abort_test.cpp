// The abort request: taken only while enabled, cleared on request, dropped on disable.
#include <csignal>

#include <gtest/gtest.h>

#include <uf_abort.h>

#include "platform/ui/abort.h"

namespace {

logical Flag() {
  logical flag = true;
  EXPECT_EQ(UF_ABORT_ask_flag_status(&flag), 0);
  return flag;
}

class AbortRequest : public ::testing::Test {
protected:
  void TearDown() override {
    platform::ui::RequestAbortAtPoll(0);
    UF_ABORT_disable_abort();
  }
};

TEST_F(AbortRequest, RoundTripsWhileEnabledAndIsIgnoredOtherwise) {
  EXPECT_FALSE(platform::ui::RequestAbort());  // no abort button before it is enabled
  EXPECT_FALSE(Flag());
  ASSERT_EQ(UF_ABORT_clear_abort(), 0);
  ASSERT_EQ(UF_ABORT_enable_abort(), 0);
  EXPECT_FALSE(Flag());
  EXPECT_TRUE(platform::ui::RequestAbort());
  EXPECT_TRUE(Flag());
  EXPECT_TRUE(Flag());  // it stays raised until cleared
  ASSERT_EQ(UF_ABORT_clear_abort(), 0);
  EXPECT_FALSE(Flag());
  platform::ui::RequestAbort();
  ASSERT_EQ(UF_ABORT_disable_abort(), 0);
  EXPECT_FALSE(Flag());
  ASSERT_EQ(UF_ABORT_enable_abort(), 0);
  EXPECT_FALSE(Flag());  // disabling dropped the pending request
}

TEST_F(AbortRequest, AScheduledRequestRisesAtTheNthPoll) {
  UF_ABORT_enable_abort();
  platform::ui::RequestAbortAtPoll(3);
  EXPECT_FALSE(Flag());
  EXPECT_FALSE(Flag());
  EXPECT_TRUE(Flag());
}

TEST_F(AbortRequest, InterruptRaisesTheRequestInsteadOfEndingTheProcess) {
  UF_ABORT_enable_abort();
  std::raise(SIGINT);
  EXPECT_TRUE(Flag());
  UF_ABORT_disable_abort();
  EXPECT_EQ(std::signal(SIGINT, SIG_DFL), SIG_DFL);  // the previous handler is back
}

TEST_F(AbortRequest, AskingWithoutAnOutputFails) { EXPECT_NE(UF_ABORT_ask_flag_status(nullptr), 0); }

}  // namespace
