// Seeded mutations of the BOM template workbook fed to the workbook editor, which then
// writes cells and saves, as the BOM export does.
//   workbook_fuzz RUNS CRASH_DIR [SEED [raw]]
//   workbook_fuzz --one FILE
// Most cases damage the XML of one part and zip the package again (so the damage reaches
// the XML readers); every fourth case, and every case with "raw", damages the zip bytes.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "fuzz/supervisor.h"
#include "fuzz/text_damage.h"
#include "platform/workbook/package.h"
#include "platform/workbook/workbook.h"
#include "platform/workbook/workbook_error.h"
#include "tests/support/xlsx_reader.h"

namespace fs = std::filesystem;
namespace wb = platform::workbook;

namespace {

// Pieces of XML and of cell addresses that the readers give meaning to.
const char* const kTokens[] = {"<", ">", "\"", "'", "&", "&#0;", "&amp;", "<![CDATA[", "]]>", "<!--", "/>",
                               "<row>", "</row>", "<row r=\"0\">", "<row r=\"2147483647\">", "<row r=\"-5\">",
                               "<c>", "</c>", "<c r=\"XFD1048576\">", "<c r=\"XFE1\">", "<c r=\"A0\">",
                               "<c r=\"AAAAAAAAAAAAAA1\">", "<c r=\"A99999999999999\">", "<f t=\"shared\" ref=\"A1:A9\">",
                               "<v>", "</v>", "<si>", "</si>", "<t>", "</t>", "<col min=\"1\" max=\"2147483647\" style=\"9\"/>",
                               "r=\"4294967296\"", "min=\"-2147483648\"", "Target=\"../../../../etc/passwd\"",
                               "Target=\"/\"", "Target=\"\"", "Id=\"\"", "<sheet name=\"x\" r:id=\"rId1\"/>",
                               "<dimension ref=\"A1:XFD1048576\"/>", "<dimension ref=\":\"/>", "\xff\xfe", "\xe4\xb8",
                               "customFormat=\"1\" s=\"\"", "xml:space=\"preserve\""};

std::string Mutate(const wb::Package& seed, const std::string& seedBytes, std::uint64_t n, std::uint64_t salt,
                   bool raw, const fs::path& scratch) {
  std::mt19937_64 rng(n * 0x9E3779B97F4A7C15ull ^ salt);
  if (raw || n % 4 == 0) {
    std::string bytes = seedBytes;
    const int edits = 1 + static_cast<int>(rng() % 6);
    for (int e = 0; e < edits; ++e) {
      const size_t at = rng() % bytes.size();
      if (rng() % 3 == 0) {  // a 4-byte size or offset made extreme
        static const std::uint32_t values[] = {0, 1, 0x7fffffff, 0xffffffff, 0x80000000, 65536};
        const std::uint32_t v = values[rng() % 6];
        for (int i = 0; i < 4 && at + i < bytes.size(); ++i) bytes[at + i] = static_cast<char>(v >> (8 * i));
      } else {
        bytes[at] = static_cast<char>(rng());
      }
    }
    return bytes;
  }
  wb::Package package = seed;
  const auto names = package.PartNames();
  const std::string& part = names[rng() % names.size()];
  std::string text = package.Get(part);
  fuzz::DamageText(text, rng, kTokens, 4);
  package.Put(part, text);
  if (rng() % 16 == 0) package.Remove(names[rng() % names.size()]);
  const fs::path file = scratch / "made.xlsx";
  package.Write(file);
  return fuzz::FileBytes(file);
}

// What the BOM export does with a workbook: cells written on both sheets, then saved.
fuzz::Outcome Edit(const fs::path& file, const fs::path& saved) {
  try {
    wb::Workbook book = wb::Workbook::Open(file);
    const int sheets = static_cast<int>(book.SheetNames().size());
    for (int row = 1; row <= 8; ++row) {
      book.WriteNumber(1, row * 37, 1 + row % 3, row * 1.5);
      book.WriteText(1, row * 37, 2, "图号-" + std::to_string(row));
      book.WriteText(1, row, 3, row % 2 ? "钢板" : "");
    }
    if (sheets > 1) book.WriteText(sheets, 2, 2, "代码");
    book.SaveAs(saved);
    wb::Workbook::Open(saved);
    return fuzz::Outcome::Accepted;
  } catch (const wb::WorkbookError&) {
    return fuzz::Outcome::Refused;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--one") {  // a kept case again, in this process
    const fs::path saved = fs::temp_directory_path() / "fabdoc-fuzz-one.xlsx";
    std::printf("%s\n", Edit(argv[2], saved) == fuzz::Outcome::Accepted ? "edited and saved" : "refused");
    fs::remove(saved);
    return 0;
  }
  fuzz::FuzzArgs args;
  if (!fuzz::ParseArgs(argc, argv, args)) return 2;
  const fs::path work = fuzz::WorkFolder("fabdoc-fuzz-workbook");
  const std::string seedBytes = fuzz::FileBytes(fabdoc_test::BomTemplate());
  const wb::Package seed = wb::Package::Read(fabdoc_test::BomTemplate());
  const fs::path casePath = work / "case.xlsx";
  auto make = [&](std::uint64_t n) { return Mutate(seed, seedBytes, n, args.salt, args.raw, work); };
  auto run = [&](const std::string& bytes) {
    std::ofstream(casePath, std::ios::binary | std::ios::trunc) << bytes;
    return Edit(casePath, work / "saved.xlsx");
  };
  const auto figures = fuzz::RunCases(args.runs, make, run, args.crashDir, "workbook", "xlsx");
  fs::remove_all(work);
  return fuzz::Report("workbook editor", figures);
}
