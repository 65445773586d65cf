// A save killed at any moment leaves the previous file or the new one, whole; the next
// save clears what a killed save left beside it.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/base/host_error.h"
#include "platform/files/part_file.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

// Enough bodies that a save takes long enough to be killed at many points of it; each
// save also reads its file back, so more would only make the test slow.
constexpr int kBodies = 100;

void Stamp(Part& part, int generation) { part.attributes.Set("GENERATION", std::to_string(generation)); }

int GenerationOf(const std::string& hostPath) {
  std::unique_ptr<Part> part = files::ReadPart(hostPath);
  EXPECT_EQ(part->Objects().size(), static_cast<size_t>(kBodies));
  const std::string* value = part->attributes.Find("GENERATION");
  return value ? std::stoi(*value) : -1;
}

std::vector<fs::path> Leftovers(const std::string& dir) {
  std::vector<fs::path> found;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().filename().string().find(".tmp-") != std::string::npos) found.push_back(entry.path());
  return found;
}

}  // namespace

class SaveKilled : public fabdoc_test::SessionTest {
protected:
  std::string dir = fabdoc_test::FreshDir("save-killed");
};

TEST_F(SaveKilled, LeavesTheOldFileOrTheNewOneWholeAHundredTimes) {
  const std::string path = ToHostPath(dir + "/big.prt");
  Part& part = session().NewPart(path);
  for (int i = 0; i < kBodies; ++i)
    i % 2 ? fabdoc_test::AddPipe(part, 48, 3.5, 300 + i) : fabdoc_test::AddRectTube(part, 50, 30, 3, 400 + i);
  Stamp(part, 0);
  files::SavePart(part, path);
  auto forkSaver = [&] {
    const pid_t saver = ::fork();
    if (saver == 0) {
      try {
        files::SavePart(part, path);
      } catch (...) {
        ::_exit(2);
      }
      ::_exit(0);
    }
    return saver;
  };
  // The window is timed on whole saves by a forked child, as the killed ones run: a
  // child's save is slower than the parent's (pages copied on write, a loaded machine).
  std::chrono::steady_clock::duration saveTime{};
  for (int i = 0; i < 3; ++i) {
    const auto started = std::chrono::steady_clock::now();
    const pid_t saver = forkSaver();
    ASSERT_GT(saver, 0);
    int status = 0;
    ::waitpid(saver, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "an undisturbed save failed";
    saveTime = std::max(saveTime, std::chrono::steady_clock::now() - started);
  }

  std::mt19937 random(20261207);
  int onDisk = 0, killedBefore = 0, killedAfter = 0;
  for (int generation = 1; generation <= 100; ++generation) {
    Stamp(part, generation);
    // A save ends by reading back what it wrote, so the rename comes late: the kills
    // are spread over twice the save's time to land on both sides of it.
    const auto wait = std::chrono::duration_cast<std::chrono::microseconds>(saveTime * 2).count();
    const pid_t saver = forkSaver();
    ASSERT_GT(saver, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % (wait + 1)));
    ::kill(saver, SIGKILL);
    int status = 0;
    ::waitpid(saver, &status, 0);
    const int found = GenerationOf(path);
    ASSERT_TRUE(found == onDisk || found == generation) << "generation " << generation << ": found " << found;
    (found == generation ? killedAfter : killedBefore)++;
    onDisk = found;
  }
  // Both sides of the rename were hit.
  EXPECT_GT(killedBefore, 0);
  EXPECT_GT(killedAfter, 0);
  std::printf("killed before the rename %d times, after it %d times\n", killedBefore, killedAfter);

  Stamp(part, 101);
  files::SavePart(part, path);
  EXPECT_EQ(GenerationOf(path), 101);
  EXPECT_TRUE(Leftovers(dir).empty()) << Leftovers(dir).front();
}
