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
#include "platform/base/host_error.h"
#include "platform/ui/dialog_file.h"

namespace fs = std::filesystem;

namespace {

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

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
  const int edits = 1 + static_cast<int>(rng() % 5);
  for (int e = 0; e < edits; ++e) {
    const size_t at = text.empty() ? 0 : rng() % text.size();
    switch (rng() % 6) {
      case 0: if (!text.empty()) text[at] = static_cast<char>(rng()); break;
      case 1: text.erase(at, 1 + rng() % 64); break;
      case 2: text.insert(at, kTokens[rng() % std::size(kTokens)]); break;
      case 3: {  // a piece repeated elsewhere
        const std::string piece = text.substr(at, 1 + rng() % 400);
        text.insert(text.empty() ? 0 : rng() % text.size(), piece);
        break;
      }
      case 4: {  // a number made extreme
        const size_t digit = text.find_first_of("0123456789", at);
        if (digit != std::string::npos)
          text.replace(digit, 1, std::vector<const char*>{"2147483647", "-1", "0", "99999999999", "4294967295"}[rng() % 5]);
        break;
      }
      default: text.erase(at);  // cut short
    }
  }
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
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  const fs::path dialogs = fs::path(source ? source : ".") / "addon" / "dialogs";
  std::vector<std::string> seeds;
  for (const auto& entry : fs::directory_iterator(dialogs))
    if (entry.path().extension() == ".dlx") seeds.push_back(FileBytes(entry.path()));
  if (seeds.empty()) {
    std::fprintf(stderr, "dialog_file_fuzz: no dialog files in %s (set FABDOC_SOURCE_DIR)\n", dialogs.c_str());
    return 2;
  }
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
