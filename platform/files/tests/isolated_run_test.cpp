// Reading in a child process first: items used in order and only once checked, every
// way a child can fail turned into a reason, and nothing used past a refused item.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>
#include <Standard_ConstructionError.hxx>

#include "platform/files/isolated_run.h"

using namespace platform::files;

namespace {

std::vector<std::size_t> used;
void Use(std::size_t item) { used.push_back(item); }

class IsolatedRun : public ::testing::Test {
protected:
  void SetUp() override { used.clear(); }
};

TEST_F(IsolatedRun, SoundItemsAreAllUsedInOrder) {
  const auto failure = UseItemsCheckedInIsolation(500, [](std::size_t) { return std::string(); }, Use);
  EXPECT_FALSE(failure) << *failure;
  ASSERT_EQ(used.size(), 500u);
  for (std::size_t i = 0; i < used.size(); ++i) EXPECT_EQ(used[i], i);
}

TEST_F(IsolatedRun, NoItemPastARefusedOneIsUsed) {
  const auto failure = UseItemsCheckedInIsolation(
      50, [](std::size_t i) { return i == 30 ? std::string("piece 30 is bad\nreally") : std::string(); }, Use);
  ASSERT_TRUE(failure);
  EXPECT_EQ(*failure, "piece 30 is bad really");
  EXPECT_LE(used.size(), 30u);
  for (std::size_t i = 0; i < used.size(); ++i) EXPECT_EQ(used[i], i);
}

TEST_F(IsolatedRun, ChildThatDiesThrowsOrHangsIsAReasonNotACrash) {
  auto crash = [](std::size_t i) -> std::string {
    if (i == 3) std::abort();  // a sanitizer build would turn a SIGSEGV into an exit status
    return {};
  };
  auto failure = UseItemsCheckedInIsolation(10, crash, Use);
  ASSERT_TRUE(failure);
  EXPECT_NE(failure->find("crashed"), std::string::npos) << *failure;
  EXPECT_LE(used.size(), 3u);

  failure = FailureInIsolation([]() -> std::string { throw Standard_ConstructionError("no curve"); });
  ASSERT_TRUE(failure);
  EXPECT_EQ(*failure, "no curve");
  failure = FailureInIsolation([]() -> std::string { throw std::runtime_error("bad count"); });
  ASSERT_TRUE(failure);
  EXPECT_EQ(*failure, "bad count");

  IsolationLimits quick;
  quick.seconds = 1;
  failure = FailureInIsolation([] {
    for (;;) ::pause();
    return std::string();
  }, quick);
  ASSERT_TRUE(failure);
  EXPECT_NE(failure->find("did not finish in 1 s"), std::string::npos) << *failure;

  // A child busy past its processor time is out of time, not crashed.
  IsolationLimits busy;
  busy.seconds = 60;
  busy.processorSeconds = 1;
  failure = FailureInIsolation([] {
    for (;;) asm volatile("");
    return std::string();
  }, busy);
  ASSERT_TRUE(failure);
  EXPECT_EQ(*failure, "reading it took more than 1 s of processor time");
}

TEST_F(IsolatedRun, AnExceptionOfTheHostStopsTheChildAndReachesTheCaller) {
  auto useUntilThrow = [](std::size_t i) {
    if (i == 2) throw std::runtime_error("host side");
    used.push_back(i);
  };
  EXPECT_THROW(UseItemsCheckedInIsolation(1000000, [](std::size_t) { return std::string(); }, useUntilThrow),
               std::runtime_error);
  EXPECT_EQ(used, (std::vector<std::size_t>{0, 1}));
}

TEST_F(IsolatedRun, AReaderDoesNotOutliveItsHost) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  const pid_t host = ::fork();
  ASSERT_GE(host, 0);
  if (host == 0) {  // a host whose reader loops, and that is then killed
    FailureInIsolation([&] {
      const pid_t reader = ::getpid();
      (void)!::write(fds[1], &reader, sizeof reader);
      for (;;) ::pause();
      return std::string();
    });
    ::_exit(0);
  }
  pid_t reader = 0;
  ASSERT_EQ(::read(fds[0], &reader, sizeof reader), static_cast<ssize_t>(sizeof reader));
  ::close(fds[0]);
  ::close(fds[1]);
  ::kill(host, SIGKILL);
  ::waitpid(host, nullptr, 0);
  bool gone = false;
  for (int i = 0; i < 100 && !gone; ++i) {
    gone = ::kill(reader, 0) != 0 && errno == ESRCH;
    if (!gone) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (!gone) ::kill(reader, SIGKILL);
  EXPECT_TRUE(gone) << "the reader went on alone after its host was killed";
}

#ifndef __SANITIZE_ADDRESS__
TEST_F(IsolatedRun, ChildThatAsksForTooMuchMemoryIsRefused) {
  IsolationLimits small;
  small.extraMemory = 64u << 20;
  const auto failure = FailureInIsolation([] {
    std::vector<char> huge(1u << 30, 1);
    return std::string(huge.empty() ? "" : "");
  }, small);
  ASSERT_TRUE(failure);
  EXPECT_NE(failure->find("more memory"), std::string::npos) << *failure;
}
#endif

}  // namespace
