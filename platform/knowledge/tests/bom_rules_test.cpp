// The BOM export's rules writing real workbooks: a copy of the template filled row by
// row, read back by openpyxl and converted by LibreOffice.
#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/knowledge/excel_functions.h"
#include "platform/knowledge/rule_error.h"
#include "platform/knowledge/workbook_excel_host.h"
#include "platform/knowledge/tests/bom_rules.h"
#include "tests/support/xlsx_reader.h"

using namespace fabdoc_test;
using namespace platform::knowledge;
namespace fs = std::filesystem;

namespace {

const char* const kSheet = "明细表";

// A rule set on the workbook editor, as a part's rules are.
struct Rules {
  WorkbookExcelHost host;
  FunctionTable functions = ExcelFunctions(host);
  RuleSet rules{functions};
};

// Two rows as the export gives bodies A, B, A, A with merging on: A three times, B once.
// 100 x 50 x 8 mm of steel at 7.8 g/cm^3 is 40 cm^3 * 7.8 = 312 g = 0.312 kg.
const std::vector<BomRow> kMerged = {
    {"KZT-01-001", "A", "钢板(100*50*8)", "Q235B", "", 3, 0.312, 4},
    {"KZT-01-002", "B", "方管(50*50*3)", "Q235B", "镀锌", 1, 1.25, 2}};

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuleError& e) {
    return e.what();
  }
  return "no error";
}

TEST(BomRules, RowsLandInPlaceWithNumbersNumericAndTheTemplateIntact) {
  ScratchFolder folder;
  const fs::path copy = folder.CopyOfTemplate("kzt.xlsx");
  const auto before = ReadWithOpenpyxl(copy);
  const std::string templateBytes = FileBytes(BomTemplate());
  Rules r;
  WriteBomRows(r.rules, (folder.Path() / "kzt").string(), kMerged);
  EXPECT_TRUE(r.rules.Names().empty());
  EXPECT_EQ(r.host.OpenCount(), 0u);

  const auto after = ReadWithOpenpyxl(copy);
  ASSERT_FALSE(after.is_null());
  struct Expected { const char* cell; nlohmann::json value; const char* type; };
  const Expected expected[] = {
      {"A4", 1, "n"}, {"B4", "KZT-01-001", "s"}, {"C4", "A", "s"}, {"D4", "钢板(100*50*8)", "s"}, {"E4", 3, "n"},
      {"F4", "Q235B", "s"}, {"G4", 0.312, "n"}, {"J4", 4, "n"},
      {"A5", 2, "n"}, {"C5", "B", "s"}, {"D5", "方管(50*50*3)", "s"}, {"E5", 1, "n"}, {"G5", 1.25, "n"},
      {"I5", "镀锌", "s"}, {"J5", 2, "n"}};
  for (const auto& e : expected) {
    EXPECT_EQ(CellValue(after, kSheet, e.cell), e.value) << e.cell;
    EXPECT_EQ(CellType(after, kSheet, e.cell), e.type) << e.cell;
  }
  // An empty remark leaves the cell empty; column 8 keeps the template's formula.
  EXPECT_TRUE(CellValue(after, kSheet, "I4").is_null());
  EXPECT_EQ(CellType(after, kSheet, "H4"), "f");
  EXPECT_TRUE(CellValue(after, kSheet, "A6").is_null());
  for (const char* cell : {"A1", "A2", "B2", "G2", "G3", "H3", "J2"})
    EXPECT_EQ(CellValue(after, kSheet, cell), CellValue(before, kSheet, cell)) << cell;
  EXPECT_EQ(after["sheet"][kSheet]["merged"], before["sheet"][kSheet]["merged"]);
  EXPECT_EQ(after["sheet"][kSheet]["widths"], before["sheet"][kSheet]["widths"]);
  EXPECT_EQ(after["sheet"]["类别代码"], before["sheet"]["类别代码"]);
  EXPECT_EQ(FileBytes(BomTemplate()), templateBytes);
}

TEST(BomRules, QuotesBackslashesAndLeadingZerosReachTheCellExactly) {
  ScratchFolder folder;
  folder.CopyOfTemplate("kzt.xlsx");
  const std::vector<BomRow> rows = {
      {"007", "12\" pipe", "钢板(δ=8)", "C:\\mat\\Q235", "ends with \\", 1, 2.5, 4},
      {"\\\\server\\share", "\"\"", "", "\\\"", "a\\\"b", 2, 0, 1}};
  Rules r;
  WriteBomRows(r.rules, (folder.Path() / "kzt").string(), rows);
  const auto book = ReadWithOpenpyxl(folder.Path() / "kzt.xlsx");
  ASSERT_FALSE(book.is_null());
  EXPECT_EQ(CellValue(book, kSheet, "B4"), "007");  // a drawing number keeps its zeros
  EXPECT_EQ(CellValue(book, kSheet, "C4"), "12\" pipe");
  EXPECT_EQ(CellValue(book, kSheet, "D4"), "钢板(δ=8)");
  EXPECT_EQ(CellValue(book, kSheet, "F4"), "C:\\mat\\Q235");
  EXPECT_EQ(CellValue(book, kSheet, "I4"), "ends with \\");
  EXPECT_EQ(CellValue(book, kSheet, "B5"), "\\\\server\\share");
  EXPECT_EQ(CellValue(book, kSheet, "C5"), "\"\"");
  EXPECT_EQ(CellValue(book, kSheet, "F5"), "\\\"");
  EXPECT_EQ(CellValue(book, kSheet, "I5"), "a\\\"b");
  EXPECT_EQ(CellValue(book, kSheet, "G5"), 0);
}

TEST(BomRules, LibreOfficeConvertsTheResultAndComputesTotalMass) {
  ScratchFolder folder;
  folder.CopyOfTemplate("kzt.xlsx");
  Rules r;
  WriteBomRows(r.rules, (folder.Path() / "kzt").string(), kMerged);
  // A profile of its own, so that runs in parallel do not share one.
  const std::string command = "cd '" + folder.Path().string() + "' && soffice -env:UserInstallation=file://" +
                              folder.Path().string() + "/profile --headless --convert-to csv:\"Text - txt - csv (StarCalc)\":44,34,76 "
                              "--outdir out kzt.xlsx > convert.log 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << FileBytes(folder.Path() / "convert.log");
  std::ifstream csv(folder.Path() / "out" / "kzt.csv");
  std::vector<std::string> lines;
  for (std::string line; std::getline(csv, line);) lines.push_back(line);
  ASSERT_GE(lines.size(), 5u) << FileBytes(folder.Path() / "convert.log");
  // Row 4: quantity 3 times 0.312 kg is 0.936 kg, shown with the column's three decimals.
  EXPECT_EQ(lines[3], "1,KZT-01-001,A,钢板(100*50*8),3,Q235B,0.312,0.936,,4");
  EXPECT_EQ(lines[4], "2,KZT-01-002,B,方管(50*50*3),1,Q235B,1.250,1.250,镀锌,2");
  EXPECT_EQ(lines[1].substr(0, 6), "序号");
}

TEST(BomRules, AMissingWorkbookFailsEveryRowWithItsNameAndPath) {
  ScratchFolder folder;
  Rules r;
  const std::string error = ErrorOf([&] { WriteBomRows(r.rules, (folder.Path() / "kzt").string(), kMerged); });
  EXPECT_NE(error.find("rule open: " + (folder.Path() / "kzt.xlsx").string() + ": no such file"), std::string::npos)
      << error;
  // open, the nine writes and the demand list of the first row
  EXPECT_NE(error.find("(11 rules failed)"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_empty(folder.Path()));
}

TEST(BomRules, AWorkbookThatCannotBeSavedFailsTheCloseRuleAndKeepsTheCopy) {
  ScratchFolder folder;
  const fs::path copy = folder.CopyOfTemplate("kzt.xlsx");
  const std::string original = FileBytes(copy);
  fs::permissions(copy, fs::perms::owner_read);
  Rules r;
  const std::string error = ErrorOf([&] { WriteBomRows(r.rules, (folder.Path() / "kzt").string(), kMerged); });
  EXPECT_NE(error.find("rule close: "), std::string::npos) << error;
  EXPECT_NE(error.find("read-only"), std::string::npos) << error;
  fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(FileBytes(copy), original);
}

TEST(BomRules, AWorkbookOpenForWritingCannotBeOpenedTwice) {
  ScratchFolder folder;
  folder.CopyOfTemplate("kzt.xlsx");
  Rules r;
  const std::string path = (folder.Path() / "kzt.xlsx").string();
  r.rules.Create("first", "Integer", "ug_excel_open_file(\"" + path + "\",Write)");
  r.rules.Create("second", "Integer", "ug_excel_open_file(\"" + path + "\",Write)");
  EXPECT_EQ(r.rules.Evaluate("first"), Value{std::int64_t{1}});
  EXPECT_NE(ErrorOf([&] { r.rules.Evaluate("second"); }).find("open for writing already (handle 1)"), std::string::npos);
  r.rules.Create("reader", "Integer", "ug_excel_open_file(\"" + path + "\",Read)");
  r.rules.Create("write", "Boolean", "ug_excel_write_range(reader:,{1,4,1,4,1,1})");
  EXPECT_NE(ErrorOf([&] { r.rules.Evaluate("write"); }).find("opened with Read"), std::string::npos);
}

TEST(PlainDecimals, OnlyTextsANumericCellHoldsExactlyBecomeNumbers) {
  for (const char* number : {"0", "3", "-2", "0.312000", "1234.5", "123456789012345"})
    EXPECT_TRUE(IsPlainDecimal(number)) << number;
  for (const char* text : {"", "007", "-", "1.", ".5", "1e5", "+3", " 3", "3 ", "1,000", "1234567890123456", "0x1F", "3kg"})
    EXPECT_FALSE(IsPlainDecimal(text)) << text;
}

}  // namespace
