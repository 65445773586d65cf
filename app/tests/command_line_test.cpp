// The fabdoc command line as a user meets it, run as a separate process: the overall help
// and each command's own, the version with the commit read back from git, refusals.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct Ran {
  int code = -1;
  std::string out, err;
};

std::string Slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

const fs::path& Scratch() {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / "fabdoc-tests" / ("command-line-" + std::to_string(::getpid()));
    fs::remove_all(d);
    fs::create_directories(d);
    return d;
  }();
  return dir;
}

// Runs `command` through the shell in the scratch folder, stdout and stderr apart.
Ran Shell(const std::string& command) {
  const fs::path out = Scratch() / "out.txt", err = Scratch() / "err.txt";
  const std::string line = "cd '" + Scratch().string() + "' && " + command + " > '" + out.string() + "' 2> '" +
                           err.string() + "'";
  const int status = std::system(line.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
}

Ran Fabdoc(const std::string& arguments) {
  const char* bin = std::getenv("FABDOC_BIN");
  return Shell(std::string("'") + (bin ? bin : "fabdoc") + "' " + arguments);
}

std::string SourceDir() { return FABDOC_TEST_SOURCE_DIR; }

const char* const kCommands[] = {"run", "info", "import", "export", "example", "render", "dimension", "flat", "serve"};

TEST(CommandLine, HelpGivesEveryCommandALineSayingWhatItDoes) {
  for (const char* ask : {"--help", "-h", "help"}) {
    const Ran help = Fabdoc(ask);
    EXPECT_EQ(help.code, 0) << ask;
    for (const char* name : kCommands) {
      // "  NAME   three or more words of description"
      const std::regex line(std::string("(^|\n)  ") + name + " +[a-z][^\n]* [^\n]* [^\n]*\n");
      EXPECT_TRUE(std::regex_search(help.out, line)) << name << " in:\n" << help.out;
    }
  }
  const Ran none = Fabdoc("");
  EXPECT_EQ(none.code, 2) << "no command is a mistake";
  EXPECT_NE(none.err.find("  render "), std::string::npos) << "and shows the commands: " << none.err;
}

TEST(CommandLine, EachCommandHasItsOwnHelpAndDoesNotRunWithIt) {
  for (const char* name : kCommands) {
    const Ran help = Fabdoc(std::string(name) + " --help");
    EXPECT_EQ(help.code, 0) << name << ": " << help.err;
    EXPECT_EQ(help.out.rfind(std::string("usage: fabdoc ") + name + " ", 0), 0u) << help.out;
    EXPECT_TRUE(help.err.empty()) << name << ": " << help.err;
  }
  EXPECT_EQ(Fabdoc("help flat").out, Fabdoc("flat --help").out) << "`help flat` says the same";
  // Arguments beside --help are not acted on: no folder is written, no part is opened.
  const Ran example = Fabdoc("example frame made-by-help --help");
  EXPECT_EQ(example.code, 0);
  EXPECT_FALSE(fs::exists(Scratch() / "made-by-help"));
  const Ran render = Fabdoc("render missing.prt out -h");
  EXPECT_EQ(render.code, 0) << render.err;
  EXPECT_NE(render.out.find("--format"), std::string::npos) << "the options are described: " << render.out;
}

TEST(CommandLine, MistakesNameTheProblemAndTheCommandsUsage) {
  const Ran missing = Fabdoc("info");
  EXPECT_EQ(missing.code, 2);
  EXPECT_NE(missing.err.find("fabdoc: info needs a part file\nusage: fabdoc info PART [--json]\n"), std::string::npos)
      << missing.err;
  const Ran unknown = Fabdoc("draw x");
  EXPECT_EQ(unknown.code, 2);
  EXPECT_NE(unknown.err.find("unknown command \"draw\""), std::string::npos) << unknown.err;
  const Ran topic = Fabdoc("help draw");
  EXPECT_EQ(topic.code, 2);
  EXPECT_NE(topic.err.find("no command \"draw\""), std::string::npos) << topic.err;
  EXPECT_TRUE(missing.out.empty() && unknown.out.empty()) << "nothing on standard output";
  // A build without the browser page (the main job's) says so instead of serving nothing.
  const Ran noPage = Fabdoc("serve --port 0 --startup '" + (Scratch() / "bare" / "startup").string() + "'");
  EXPECT_EQ(noPage.code, 1);
  EXPECT_NE(noPage.err.find("the page of fabdoc serve is not in " + (Scratch() / "bare" / "serve").string()),
            std::string::npos)
      << noPage.err;
}

TEST(CommandLine, VersionNamesTheCommitGitReportsForTheSources) {
  const Ran version = Fabdoc("--version");
  ASSERT_EQ(version.code, 0) << version.err;
  EXPECT_TRUE(std::regex_search(version.out, std::regex("^fabdoc [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.out;
  const Ran head = Shell("git -C '" + SourceDir() + "' rev-parse HEAD");
  if (head.code != 0) {
    EXPECT_NE(version.out.find("commit unknown"), std::string::npos) << version.out;
    return;
  }
  const std::string commit = head.out.substr(0, head.out.find('\n'));
  ASSERT_EQ(commit.size(), 40u) << head.out;
  EXPECT_NE(version.out.find("built from commit " + commit + " ("), std::string::npos) << version.out;
  const bool changed = !Shell("git -C '" + SourceDir() + "' status --porcelain --untracked-files=no").out.empty();
  EXPECT_EQ(version.out.find("with uncommitted changes") != std::string::npos, changed) << version.out;
}

// The build's look-up of the commit, run as the build runs it, on sources outside git and
// with no git at all.
TEST(CommandLine, ABuildOutsideGitSaysTheCommitIsUnknown) {
  const std::string cmake = FABDOC_TEST_CMAKE;  // the cmake the build used
  const fs::path outside = Scratch() / "unpacked-sources";
  fs::create_directories(outside);
  const std::string script = SourceDir() + "/cmake/build_commit.cmake";
  const auto lookUp = [&](const std::string& environment, const std::string& header) {
    const Ran ran = Shell(environment + " '" + cmake + "' -DSOURCE_DIR='" + outside.string() + "' -DOUTPUT='" +
                          (Scratch() / header).string() + "' -P '" + script + "'");
    EXPECT_EQ(ran.code, 0) << ran.err;
    return Slurp(Scratch() / header);
  };
  // GIT_CEILING_DIRECTORIES keeps git from finding a repository above the scratch folder.
  const std::string outsideGit = lookUp("GIT_CEILING_DIRECTORIES='" + Scratch().string() + "'", "outside.h");
  EXPECT_NE(outsideGit.find("#define FABDOC_BUILD_STATE \"outside\""), std::string::npos) << outsideGit;
  EXPECT_NE(outsideGit.find("#define FABDOC_BUILD_COMMIT \"\""), std::string::npos) << outsideGit;
  const std::string noGit = lookUp("PATH=/nonexistent", "nogit.h");
  EXPECT_NE(noGit.find("#define FABDOC_BUILD_STATE \"nogit\""), std::string::npos) << noGit;
}

}  // namespace
