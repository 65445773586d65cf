// Seeded mutations of the example journals fed to the journal parser; every journal it
// accepts must also read back the same from the lines it formats again.
//   journal_fuzz RUNS CRASH_DIR [SEED]
//   journal_fuzz --one FILE
// The journals are parsed only: running them would act on files.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "app/journal/journal.h"
#include "fuzz/supervisor.h"
#include "fuzz/text_damage.h"

namespace fs = std::filesystem;
namespace jr = fabdoc::app::journal;

namespace {

// Pieces the parser gives meaning to: quotes, escapes, indentation, line ends, text that
// is not UTF-8 or has no GBK form.
const char* const kTokens[] = {"\"", "\\", "\\\"", "\\\\", "\\n", "\\", "  ", "\t", "\r", "\r\n", "\n", "\n  ",
                               "\n                                        ", "#", " # ", "\"\"", "\xff", "\xe4\xb8",
                               "\xc0\x80", "\xed\xa0\x80", "\xf0\x9f\x98\x80", "机架", "\x00", "action ", "set ",
                               "select ", "pick ", "expect message ", "open ", "save as ", "body:", "view:", "@",
                               "/", "..", "99999999999999999999", "-0", "1e999", "nan"};

std::string Mutate(const std::vector<std::string>& seeds, std::uint64_t n, std::uint64_t salt) {
  std::mt19937_64 rng(n * 0x9E3779B97F4A7C15ull ^ salt);
  std::string text = seeds[rng() % seeds.size()];
  const int edits = 1 + static_cast<int>(rng() % 6);
  for (int e = 0; e < edits; ++e) {
    const size_t at = text.empty() ? 0 : rng() % text.size();
    switch (rng() % 8) {
      case 0: text.insert(at, std::string(1 + rng() % 4000, rng() % 2 ? ' ' : '"')); break;  // long runs
      case 1: {  // a line indented deeper and deeper
        std::string ladder;
        for (int depth = 0; depth < 2000; ++depth) ladder += "\n" + std::string(2 * depth, ' ') + "apply";
        text.insert(at, ladder);
        break;
      }
      default: fuzz::DamageOnce(text, rng, kTokens);
    }
  }
  return text;
}

bool SameLines(const std::vector<jr::Line>& a, const std::vector<jr::Line>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].command != b[i].command || a[i].args.size() != b[i].args.size()) return false;
    for (size_t k = 0; k < a[i].args.size(); ++k)
      if (a[i].args[k].text != b[i].args[k].text) return false;
    if (!SameLines(a[i].children, b[i].children)) return false;
  }
  return true;
}

void Format(const std::vector<jr::Line>& lines, int depth, std::string& out) {
  for (const jr::Line& line : lines) {
    out += jr::FormatLine(line, depth) + "\n";
    Format(line.children, depth + 1, out);
  }
}

fuzz::Outcome Parse(const std::string& text) {
  jr::Journal journal;
  try {
    journal = jr::ParseJournal(text, "case.journal", "/nonexistent");
  } catch (const jr::JournalError&) {
    return fuzz::Outcome::Refused;
  }
  std::string again;
  Format(journal.lines, 0, again);
  const jr::Journal reread = jr::ParseJournal(again, "formatted.journal", "/nonexistent");
  if (!SameLines(journal.lines, reread.lines)) {
    std::fprintf(stderr, "formatted lines read back differently\n");
    std::abort();  // kept as a crash
  }
  return fuzz::Outcome::Accepted;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--one") {
    std::printf("%s\n", Parse(fuzz::FileBytes(argv[2])) == fuzz::Outcome::Accepted ? "parsed" : "refused");
    return 0;
  }
  fuzz::FuzzArgs args;
  if (!fuzz::ParseArgs(argc, argv, args)) return 2;
  const std::vector<std::string> seeds = fuzz::SeedFiles("examples", ".journal");
  auto make = [&](std::uint64_t n) { return Mutate(seeds, n, args.salt); };
  const auto figures = fuzz::RunCases(args.runs, make, Parse, args.crashDir, "journal", "journal");
  return fuzz::Report("journal parser", figures);
}
