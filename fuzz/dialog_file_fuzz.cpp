// Seeded mutations of the add-on's dialog files fed to the dialog-file reader, which
// must read them or refuse them naming the file.
//   dialog_file_fuzz RUNS CRASH_DIR [SEED]
//   dialog_file_fuzz --one FILE
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "fuzz/supervisor.h"
#include "fuzz/text_damage.h"
#include "platform/base/host_error.h"
#include "platform/ui/dialog_file.h"

namespace fs = std::filesystem;

namespace {

// Pieces of XML and of the values the reader gives meaning to.
const char* const kTokens[] = {"<", ">", "/>", "\"", "'", "&", "&#0;", "&#xD800;", "&amp;", "&lt;", "<![CDATA[",
                               "]]>", "<!--", "-->", "<?xml", "<!DOCTYPE d [<!ENTITY e \"&e;&e;\">]>", "&e;",
                               "<block>", "</block>", "<group>", "</group>", "id=\"\"", "id=\"x\"", "type=\"\"",
                               "type=\"Enumeration\"", "type=\"Integer\"", "value=\"\"", "value=\"2147483648\"",
                               "value=\"-1\"", "value=\"1e999\"", "value=\"nan\"", "\xff", "\xe4\xb8", "\xc0\x80",
                               "机架", "\x00"};

std::string Mutate(const std::vector<std::string>& seeds, std::uint64_t n, std::uint64_t salt) {
  std::mt19937_64 rng(n * 0x9E3779B97F4A7C15ull ^ salt);
  std::string text = seeds[rng() % seeds.size()];
  fuzz::DamageText(text, rng, kTokens, 5);
  return text;
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
  const std::vector<std::string> seeds = fuzz::SeedFiles("addon/dialogs", ".dlx");
  const fs::path work = fuzz::WorkFolder("fabdoc-fuzz-dialog");
  const fs::path casePath = work / "case.dlx";
  auto make = [&](std::uint64_t n) { return Mutate(seeds, n, args.salt); };
  auto run = [&](const std::string& bytes) {
    std::ofstream(casePath, std::ios::binary | std::ios::trunc) << bytes;
    return Read(casePath);
  };
  const auto figures = fuzz::RunCases(args.runs, make, run, args.crashDir, "dialog", "dlx");
  fs::remove_all(work);
  return fuzz::Report("dialog-file reader", figures);
}
