// Files that once crashed or hung a reader (found by the drivers in fuzz/), each refused
// cleanly with an error naming it, and the session left as it was.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/base/host_error.h"
#include "platform/files/part_file.h"
#include "platform/files/step_import.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

std::vector<fs::path> Corpus(const char* kind) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  std::vector<fs::path> files;
  if (!source) return files;
  for (const auto& entry : fs::directory_iterator(fs::path(source) / "platform/files/tests/corpus" / kind))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// A copy under a name the error must repeat.
std::string CopyAs(const fs::path& from, const std::string& dir, const std::string& name) {
  const std::string to = dir + "/" + name;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing);
  return to;
}

}  // namespace

class DamagedFiles : public fabdoc_test::SessionTest {
protected:
  std::string dir = fabdoc_test::FreshDir("damaged-files");
};

TEST_F(DamagedFiles, PartFilesThatCrashedTheShapeReaderAreRefusedNamingThem) {
  const auto corpus = Corpus("part");
  ASSERT_GE(corpus.size(), 5u) << "FABDOC_SOURCE_DIR must point at the sources";
  for (const auto& file : corpus) {
    const std::string local = CopyAs(file, dir, "损坏-" + file.filename().string());
    try {
      files::OpenPart(ToHostPath(local));
      ADD_FAILURE() << file << " was opened";
    } catch (const HostError& e) {
      EXPECT_EQ(e.Status(), HostStatus::BadPartFile) << file << ": " << e.what();
      EXPECT_NE(std::string(e.what()).find(local), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("damaged shapes"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(session().Parts().empty()) << file;
  }
}

TEST_F(DamagedFiles, StepFilesThatCrashedTheTranslatorAreRefusedNamingThemAndAnEntity) {
  const auto corpus = Corpus("step");
  ASSERT_GE(corpus.size(), 3u) << "FABDOC_SOURCE_DIR must point at the sources";
  for (const auto& file : corpus) {
    const std::string local = CopyAs(file, dir, file.filename().string());
    try {
      files::ReadStep(ToHostPath(local), ToHostPath(dir + "/in"));
      ADD_FAILURE() << file << " was imported";
    } catch (const HostError& e) {
      EXPECT_NE(std::string(e.what()).find(local), std::string::npos) << e.what();
    }
    EXPECT_TRUE(session().Parts().empty()) << file;
  }
}
