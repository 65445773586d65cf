// Seeded mutations of the add-on's dialog files fed to the dialog-file reader, which
// must read them or refuse them naming the file; a file it reads is then used: its
// action is run, with Apply, and must not bring the host down.
//   dialog_file_fuzz RUNS CRASH_DIR [SEED]
//   dialog_file_fuzz --one FILE
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "fuzz/part_workout.h"
#include "fuzz/supervisor.h"
#include "fuzz/text_damage.h"
#include "platform/base/host_error.h"
#include "platform/objects/session.h"
#include "platform/text/host_path.h"
#include "platform/ui/dialog_file.h"
#include "tests/support/dialog_actions.h"
#include "tests/support/test_model.h"

namespace fs = std::filesystem;

namespace {

// Pieces of XML and of the values the reader gives meaning to.
const char* const kTokens[] = {"<", ">", "/>", "\"", "'", "&", "&#0;", "&#xD800;", "&amp;", "&lt;", "<![CDATA[",
                               "]]>", "<!--", "-->", "<?xml", "<!DOCTYPE d [<!ENTITY e \"&e;&e;\">]>", "&e;",
                               "<block>", "</block>", "<group>", "</group>", "id=\"\"", "id=\"x\"", "type=\"\"",
                               "type=\"Enumeration\"", "type=\"Integer\"", "value=\"\"", "value=\"2147483648\"",
                               "value=\"-1\"", "value=\"1e999\"", "value=\"nan\"", "\xff", "\xe4\xb8", "\xc0\x80",
                               "机架", "\x00"};

struct Case {
  std::size_t seed;  // which dialog file it was made from
  std::string text;
};

Case Mutate(const std::vector<std::string>& seeds, std::uint64_t n, std::uint64_t salt) {
  std::mt19937_64 rng(n * 0x9E3779B97F4A7C15ull ^ salt);
  Case made{rng() % seeds.size(), {}};
  made.text = seeds[made.seed];
  fuzz::DamageText(made.text, rng, kTokens, 5);
  return made;
}

// A file the reader accepted is used as the add-on uses it: its action is run on a
// small part, with Apply, under the file's own name found first on the dialog path.
void RunItsAction(const fs::path& dialogFolder, const std::string& fileName, const std::string& text,
                  const std::string& work) {
  const auto* dialog = fabdoc_test::ActionOfDialogFile(fileName.c_str());
  if (!dialog) return;  // a dialog that another one opens
  fuzz::StartAddOn();
  std::ofstream(dialogFolder / fileName, std::ios::binary | std::ios::trunc) << text;
  platform::Session& session = platform::Session::Get();
  session.Reset();
  platform::Part& part = session.NewPart(platform::ToHostPath(work + "/plate.prt"));
  fabdoc_test::AddBox(part, 0, 0, 0, 100, 50, 8, "plate");
  session.SetDisplayed(&part);
  try {
    fuzz::RunJournal(std::string("action ") + dialog->action + "\n  apply\n  cancel\n", work);
  } catch (const std::exception&) {
    // refused, or a dialog that did not take these lines: an answer, not a crash
  }
  session.Reset();
  fs::remove(dialogFolder / fileName);
}

fuzz::Outcome Read(const fs::path& file) {
  try {
    platform::ui::ReadDialogFile(file.string());
    return fuzz::Outcome::Accepted;
  } catch (const platform::HostError& error) {
    if (std::string(error.what()).find(file.string()) == std::string::npos) {
      std::fprintf(stderr, "refused without naming the file: %s\n", error.what());
      std::abort();  // kept as a crash
    }
    return fuzz::Outcome::Refused;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--one") {
    std::printf("%s\n", Read(argv[2]) == fuzz::Outcome::Accepted ? "read" : "refused");
    return 0;
  }
  fuzz::FuzzArgs args;
  if (!fuzz::ParseArgs(argc, argv, args)) return 2;
  const std::vector<fs::path> seedPaths = fuzz::SeedPaths("addon/dialogs", ".dlx");
  const std::vector<std::string> seeds = fuzz::SeedFiles("addon/dialogs", ".dlx");
  const fs::path work = fuzz::WorkFolder("fabdoc-fuzz-dialog");
  const fs::path casePath = work / "case.dlx";
  // The host looks here first, before its application folder.
  const fs::path dialogFolder = work / "dialogs";
  fs::create_directories(dialogFolder);
  ::setenv("FABDOC_DIALOG_PATH", dialogFolder.c_str(), 1);
  std::size_t seedOfCase = 0;
  auto make = [&](std::uint64_t n) {
    Case made = Mutate(seeds, n, args.salt);
    seedOfCase = made.seed;
    return made.text;
  };
  auto run = [&](const std::string& bytes) {
    std::ofstream(casePath, std::ios::binary | std::ios::trunc) << bytes;
    const fuzz::Outcome outcome = Read(casePath);
    if (outcome == fuzz::Outcome::Accepted)
      RunItsAction(dialogFolder, seedPaths[seedOfCase].filename().string(), bytes, work.string());
    return outcome;
  };
  const auto figures = fuzz::RunCases(args.runs, make, run, args.crashDir, "dialog", "dlx");
  fs::remove_all(work);
  return fuzz::Report("dialog-file reader", figures);
}
