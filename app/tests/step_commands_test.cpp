// `fabdoc example`, `fabdoc export` and `fabdoc import` end to end: the example goes
// out to STEP and comes back as the same parts; wrong arguments and bad folders are
// refused naming them.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/example/product.h"
#include "platform/files/part_file.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/host_path.h"

using namespace fabdoc::app;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Runs a command the way main does, returning what it printed on stdout.
std::string RunCommand(int (*command)(const Args&), const Args& args) {
  platform::Session::Get().Reset();
  testing::internal::CaptureStdout();
  try {
    EXPECT_EQ(command(args), 0);
  } catch (...) {
    testing::internal::GetCapturedStdout();
    throw;
  }
  return testing::internal::GetCapturedStdout();
}

template <class E>
std::string ErrorOf(int (*command)(const Args&), const Args& args) {
  try {
    RunCommand(command, args);
  } catch (const E& e) {
    return e.what();
  }
  ADD_FAILURE() << "the command succeeded";
  return {};
}

class StepCommands : public ::testing::Test {
protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / "fabdoc-tests" / ("step-cmd-" + std::to_string(::getpid()));
    fs::remove_all(dir);
  }
  void TearDown() override { platform::Session::Get().Reset(); }
  fs::path dir;
};

}  // namespace

TEST_F(StepCommands, ExampleExportImportGivesBackTheSameParts) {
  // The example's folder does not exist yet: the command makes it.
  const auto written = Lines(RunCommand(ExampleCommand, {"frame", (dir / "frame").string()}));
  ASSERT_EQ(written.size(), 5u);
  for (const auto& path : written) EXPECT_TRUE(fs::exists(path)) << path;
  EXPECT_EQ(fs::path(written[0]).filename().string(), "P-总装-0.prt");

  const std::string step = (dir / "frame.step").string();
  EXPECT_EQ(Lines(RunCommand(ExportCommand, {written[0], step})), std::vector<std::string>{step});

  const auto imported = Lines(RunCommand(ImportCommand, {step, (dir / "back").string()}));
  ASSERT_EQ(imported.size(), 5u);
  for (size_t i = 0; i < imported.size(); ++i) {
    EXPECT_EQ(fs::path(imported[i]).filename(), fs::path(written[i]).filename());
    // Each part holds the same bodies, by name and volume, in the same order.
    auto before = platform::files::ReadPart(platform::ToHostPath(written[i]));
    auto after = platform::files::ReadPart(platform::ToHostPath(imported[i]));
    ASSERT_EQ(after->Objects().size(), before->Objects().size()) << imported[i];
    ASSERT_EQ(after->Instances().size(), before->Instances().size()) << imported[i];
    for (size_t b = 0; b < before->Objects().size(); ++b) {
      const auto& x = dynamic_cast<const platform::Body&>(*before->Objects()[b]);
      const auto& y = dynamic_cast<const platform::Body&>(*after->Objects()[b]);
      EXPECT_EQ(y.name, x.name);
      EXPECT_EQ(y.display.layer, x.display.layer);
      EXPECT_NEAR(y.Mass().volume, x.Mass().volume, 1e-6 * x.Mass().volume);
    }
    for (size_t c = 0; c < before->Instances().size(); ++c) {
      EXPECT_EQ(platform::HostFileName(after->Instances()[c].partPath),
                platform::HostFileName(before->Instances()[c].partPath));
      for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(after->Instances()[c].transform.translation[k],
                    before->Instances()[c].transform.translation[k], 1e-9);
    }
  }
}

TEST_F(StepCommands, WrongArgumentsAndUnusableFoldersAreRefusedNamingThem) {
  EXPECT_THROW(RunCommand(ExampleCommand, {"bridge", dir.string()}), UsageError);
  EXPECT_THROW(RunCommand(ExampleCommand, {"frame"}), UsageError);
  EXPECT_THROW(RunCommand(ImportCommand, {"a.step"}), UsageError);
  EXPECT_NE(ErrorOf<UsageError>(ImportCommand, {"a.step", "d", "--up", "x"}).find("--up"), std::string::npos);
  EXPECT_THROW(RunCommand(ImportCommand, {"a.step", "d", "--up"}), UsageError);
  EXPECT_THROW(RunCommand(ExportCommand, {"a.prt", "b.step", "c"}), UsageError);

  // A folder below a plain file can be neither made nor written, even by root.
  fs::create_directories(dir);
  std::ofstream(dir / "plain") << "x";
  const std::string blocked = (dir / "plain" / "out").string();
  EXPECT_NE(ErrorOf<std::runtime_error>(ExampleCommand, {"frame", blocked}).find(blocked), std::string::npos);

  const std::string missing = (dir / "missing.step").string();
  const std::string error = ErrorOf<std::runtime_error>(ImportCommand, {missing, (dir / "in").string()});
  EXPECT_NE(error.find(missing), std::string::npos) << error;
  EXPECT_TRUE(fs::is_empty(dir / "in")) << "nothing is written for a file that is not there";

  const std::string noPart = (dir / "none.prt").string();
  EXPECT_NE(ErrorOf<std::runtime_error>(ExportCommand, {noPart, (dir / "x.step").string()}).find("none.prt"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "x.step"));
}

TEST_F(StepCommands, PartialImportWritesTheSoundPartsAndSaysItIsPartial) {
  const auto written = Lines(RunCommand(ExampleCommand, {"frame", (dir / "frame").string()}));
  ASSERT_FALSE(written.empty());
  const std::string step = (dir / "frame.step").string();
  RunCommand(ExportCommand, {written[0], step});
  // One solid of the file loses its shell.
  std::ifstream in(step, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t solid = text.find("MANIFOLD_SOLID_BREP(");
  ASSERT_NE(solid, std::string::npos);
  const size_t ref = text.find('#', solid);
  text.replace(ref, text.find(')', ref) - ref, "#999999");
  const std::string damaged = (dir / "damaged.step").string();
  std::ofstream(damaged, std::ios::binary) << text;

  EXPECT_NE(ErrorOf<std::runtime_error>(ImportCommand, {damaged, (dir / "whole").string()}).find("damaged STEP file"),
            std::string::npos);
  EXPECT_TRUE(fs::is_empty(dir / "whole")) << "without --partial nothing is written";

  platform::Session::Get().Reset();
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  const int code = ImportCommand({damaged, (dir / "sound").string(), "--partial"});
  const auto files = Lines(testing::internal::GetCapturedStdout());
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(code, kPartialImport);
  EXPECT_NE(errors.find("fabdoc: skipped: product \""), std::string::npos) << errors;
  EXPECT_NE(errors.find("partial import"), std::string::npos) << errors;
  ASSERT_FALSE(files.empty());
  auto bodies = [](const std::vector<std::string>& paths) {
    size_t n = 0;
    for (const auto& path : paths) n += platform::files::ReadPart(platform::ToHostPath(path))->Objects().size();
    return n;
  };
  EXPECT_LE(files.size(), written.size());
  EXPECT_LT(bodies(files), bodies(written)) << "the damaged product's bodies are not written";
  EXPECT_GT(bodies(files), 0u);
}
