// Rules writing real workbooks through the workbook editor, read back by openpyxl: cells
// in place and typed, escapes, the rest of the workbook kept; failures named, nothing lost.
// The rules are this test's own; the add-on's are tested with the add-on (addon/bom/tests).
#include <gtest/gtest.h>

#include "platform/knowledge/excel_functions.h"
#include "platform/knowledge/rule_error.h"
#include "platform/knowledge/rule_set.h"
#include "platform/knowledge/workbook_excel_host.h"
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

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuleError& e) {
    return e.what();
  }
  return "no error";
}

// `writes` as rules w0, w1, ... between an open and a saving close of `file`, evaluated by
// one update as a demand list, the way a part's rules are.
void WriteAndClose(RuleSet& rules, const fs::path& file, const std::vector<std::string>& writes) {
  rules.Create("open", "Integer Parameter", "ug_excel_open_file(\"" + file.string() + "\",Write)");
  std::string demand = "{";
  for (size_t i = 0; i < writes.size(); ++i) {
    const std::string name = "w" + std::to_string(i);
    rules.Create(name, "Boolean Parameter", "ug_excel_write_range(open:," + writes[i] + ")");
    demand += name + ":, ";
  }
  rules.Create("close", "Boolean Parameter", "ug_excel_close_file(open:,True)");
  rules.Create("demandvalue", "List Parameter", demand + "close:}");
  rules.Update();
}

TEST(ExcelRules, CellsLandInPlaceTypedAsWrittenAndTheRestOfTheWorkbookIsKept) {
  ScratchFolder folder;
  const fs::path copy = folder.CopyOfTemplate("kzt.xlsx");
  const auto before = ReadWithOpenpyxl(copy);
  const std::string templateBytes = FileBytes(BomTemplate());
  Rules r;
  WriteAndClose(r.rules, copy,
                {R"({1,4,1,4,1,"1"})", R"({1,4,2,4,2,"007"})", R"x({1,4,4,4,4,"钢板(100*50*8)"})x",
                 R"({1,4,7,4,7,"0.312000"})", "{1,4,10,4,10,4}", R"({1,5,3,5,6,"B","方管","2","Q235B"})",
                 R"({1,5,7,5,7,"1e5"})"});
  EXPECT_EQ(r.host.OpenCount(), 0u) << "the close rule closed the workbook";

  const auto after = ReadWithOpenpyxl(copy);
  ASSERT_FALSE(after.is_null());
  // A plain decimal string becomes a number; "007" and "1e5" stay texts; a range of two
  // rows' worth of columns fills row by row.
  struct Expected { const char* cell; nlohmann::json value; const char* type; };
  const Expected expected[] = {
      {"A4", 1, "n"},     {"B4", "007", "s"}, {"D4", "钢板(100*50*8)", "s"}, {"G4", 0.312, "n"}, {"J4", 4, "n"},
      {"C5", "B", "s"},   {"D5", "方管", "s"}, {"E5", 2, "n"},               {"F5", "Q235B", "s"}, {"G5", "1e5", "s"}};
  for (const auto& e : expected) {
    EXPECT_EQ(CellValue(after, kSheet, e.cell), e.value) << e.cell;
    EXPECT_EQ(CellType(after, kSheet, e.cell), e.type) << e.cell;
  }
  // Cells not written keep what the template had: the formula of column 8, the header.
  EXPECT_TRUE(CellValue(after, kSheet, "C4").is_null());
  EXPECT_EQ(CellType(after, kSheet, "H4"), "f");
  for (const char* cell : {"A1", "A2", "B2", "G2", "G3", "H3", "J2"})
    EXPECT_EQ(CellValue(after, kSheet, cell), CellValue(before, kSheet, cell)) << cell;
  EXPECT_EQ(after["sheet"][kSheet]["merged"], before["sheet"][kSheet]["merged"]);
  EXPECT_EQ(after["sheet"][kSheet]["widths"], before["sheet"][kSheet]["widths"]);
  EXPECT_EQ(after["sheet"]["类别代码"], before["sheet"]["类别代码"]);
  EXPECT_EQ(FileBytes(BomTemplate()), templateBytes) << "only the copy is written";
}

TEST(ExcelRules, EscapedQuotesAndBackslashesReachTheCellExactly) {
  ScratchFolder folder;
  const fs::path copy = folder.CopyOfTemplate("kzt.xlsx");
  Rules r;
  // In a rule's string, \" is a quote and \\ a backslash.
  WriteAndClose(r.rules, copy,
                {R"({1,4,3,4,3,"12\" pipe"})", R"({1,4,6,4,6,"C:\\mat\\Q235"})", R"({1,4,9,4,9,"ends with \\"})",
                 R"({1,5,2,5,2,"\\\\server\\share"})", R"({1,5,3,5,3,"\"\""})", R"({1,5,9,5,9,"a\\\"b"})"});
  const auto book = ReadWithOpenpyxl(copy);
  ASSERT_FALSE(book.is_null());
  EXPECT_EQ(CellValue(book, kSheet, "C4"), "12\" pipe");
  EXPECT_EQ(CellValue(book, kSheet, "F4"), "C:\\mat\\Q235");
  EXPECT_EQ(CellValue(book, kSheet, "I4"), "ends with \\");
  EXPECT_EQ(CellValue(book, kSheet, "B5"), "\\\\server\\share");
  EXPECT_EQ(CellValue(book, kSheet, "C5"), "\"\"");
  EXPECT_EQ(CellValue(book, kSheet, "I5"), "a\\\"b");
}

TEST(ExcelRules, AMissingWorkbookFailsEveryRuleThatNeedsItWithItsPath) {
  ScratchFolder folder;
  Rules r;
  const std::string error = ErrorOf([&] { WriteAndClose(r.rules, folder.Path() / "kzt.xlsx", {"{1,4,1,4,1,1}", "{1,4,2,4,2,2}"}); });
  EXPECT_NE(error.find("rule open: " + (folder.Path() / "kzt.xlsx").string() + ": no such file"), std::string::npos)
      << error;
  // open, the two writes, close and the demand list
  EXPECT_NE(error.find("(5 rules failed)"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_empty(folder.Path())) << "nothing is created in its place";
}

TEST(ExcelRules, AWorkbookThatCannotBeSavedFailsTheCloseRuleAndIsKept) {
  ScratchFolder folder;
  const fs::path copy = folder.CopyOfTemplate("kzt.xlsx");
  const std::string original = FileBytes(copy);
  fs::permissions(copy, fs::perms::owner_read);
  Rules r;
  const std::string error = ErrorOf([&] { WriteAndClose(r.rules, copy, {"{1,4,1,4,1,1}"}); });
  EXPECT_NE(error.find("rule close: "), std::string::npos) << error;
  EXPECT_NE(error.find("read-only"), std::string::npos) << error;
  fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(FileBytes(copy), original);
}

TEST(ExcelRules, AWorkbookOpenForWritingCannotBeOpenedTwice) {
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
