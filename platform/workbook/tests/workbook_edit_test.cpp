// Writing cells into a copy of the BOM template and reading them back with openpyxl:
// what was written is there with its type, and everything else the template held stays.
#include <cmath>
#include <functional>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/workbook/workbook.h"
#include "platform/workbook/workbook_error.h"
#include "tests/support/xlsx_reader.h"

using namespace fabdoc_test;
using platform::workbook::Workbook;

namespace {

const char* const kSheet = "明细表";

// Each test edits a copy of the BOM template in a folder of its own.
class WorkbookEdit : public ::testing::Test {
protected:
  // The copy after `edit` and a save, as openpyxl reads it.
  nlohmann::json Edited(const std::function<void(Workbook&)>& edit) {
    {
      Workbook book = Workbook::Open(copy);
      edit(book);
      book.Save();
    }
    return ReadWithOpenpyxl(copy);
  }
  ScratchFolder folder;
  const std::filesystem::path copy = folder.CopyOfTemplate();
};

TEST_F(WorkbookEdit, WrittenRowsReadBackWithTheirTypesAndTheTemplateIntact) {
  const auto before = ReadWithOpenpyxl(copy);
  const auto after = Edited([&](Workbook& book) {
    book.WriteNumber(1, 4, 1, 1);
    book.WriteText(1, 4, 2, "KZT-01-001");
    book.WriteText(1, 4, 3, "底座横梁");
    book.WriteText(1, 4, 4, "方管(50*50*3)");
    book.WriteNumber(1, 4, 5, 3);
    book.WriteText(1, 4, 6, "Q235B");
    book.WriteNumber(1, 4, 7, 0.312);
    book.WriteNumber(1, 4, 10, 2);
    book.WriteNumber(1, 5, 1, 2);
    book.WriteText(1, 5, 3, "底座横梁");  // the same text again: one shared entry serves both
  });
  ASSERT_FALSE(after.is_null());
  EXPECT_EQ(CellValue(after, kSheet, "A4"), 1);
  EXPECT_EQ(CellType(after, kSheet, "A4"), "n");
  EXPECT_EQ(CellValue(after, kSheet, "C4"), "底座横梁");
  EXPECT_EQ(CellType(after, kSheet, "C4"), "s");
  EXPECT_EQ(CellValue(after, kSheet, "C5"), "底座横梁");
  EXPECT_EQ(CellValue(after, kSheet, "D4"), "方管(50*50*3)");
  EXPECT_DOUBLE_EQ(CellValue(after, kSheet, "G4").get<double>(), 0.312);
  EXPECT_EQ(CellValue(after, kSheet, "J4"), 2);
  // Column 8 was not written: its formula is still there.
  EXPECT_EQ(CellType(after, kSheet, "H4"), "f");
  // Header, merges, widths, freeze and the other sheet as the template had them.
  for (const char* cell : {"A1", "A2", "G2", "G3", "H3", "J2"})
    EXPECT_EQ(CellValue(after, kSheet, cell), CellValue(before, kSheet, cell)) << cell;
  EXPECT_EQ(after["sheet"][kSheet]["merged"], before["sheet"][kSheet]["merged"]);
  EXPECT_EQ(after["sheet"][kSheet]["widths"], before["sheet"][kSheet]["widths"]);
  EXPECT_EQ(after["sheet"][kSheet]["freeze"], before["sheet"][kSheet]["freeze"]);
  EXPECT_EQ(after["sheet"]["类别代码"], before["sheet"]["类别代码"]);
  // Written cells keep the prepared cell's style.
  EXPECT_EQ(after["sheet"][kSheet]["styles"]["C4"]["font"], "宋体");
  EXPECT_EQ(after["sheet"][kSheet]["styles"]["C4"]["border"], "thin");
  EXPECT_EQ(after["sheet"][kSheet]["styles"]["G4"]["format"], "0.000");
}

TEST_F(WorkbookEdit, RowsPastThePreparedOnesTakeTheColumnStyle) {
  const auto after = Edited([&](Workbook& book) {
    book.WriteNumber(1, 2000, 7, 1.5);
    book.WriteText(1, 2000, 2, "后加");
  });
  ASSERT_FALSE(after.is_null());
  EXPECT_EQ(CellValue(after, kSheet, "B2000"), "后加");
  EXPECT_EQ(after["sheet"][kSheet]["styles"]["G2000"]["format"], "0.000");
  EXPECT_EQ(after["sheet"][kSheet]["styles"]["B2000"]["border"], "thin");
  EXPECT_EQ(after["sheet"][kSheet]["max_row"], 2000);
}

// Control characters are stored escaped (see CellText); openpyxl does not decode that
// form, so they are not among the texts read back here.
TEST_F(WorkbookEdit, TextsSurviveExactly) {
  const std::vector<std::string> texts = {
      "say \"hi\"",       "C:\\parts\\a.prt", "  padded  ", "two\nlines", "_x0041_ literal",
      "<a & b>",          "钢板(δ8)",         "😀",          "tab\there",  "",          "\\\"\\"};
  const auto after = Edited([&](Workbook& book) {
    for (size_t i = 0; i < texts.size(); ++i) book.WriteText(1, 4 + int(i), 3, texts[i]);
  });
  ASSERT_FALSE(after.is_null());
  for (size_t i = 0; i < texts.size(); ++i) {
    const auto& value = CellValue(after, kSheet, "C" + std::to_string(4 + i));
    if (texts[i].empty())
      EXPECT_TRUE(value.is_null());
    else
      EXPECT_EQ(value, texts[i]) << "row " << 4 + i;
  }
}

TEST_F(WorkbookEdit, OverwritingReplacesValueAndTypeButLeavesOtherFormulas) {
  const auto after = Edited([&](Workbook& book) {
    book.WriteText(1, 4, 5, "three");
    book.WriteNumber(1, 4, 5, 3);    // number over text
    book.WriteNumber(1, 4, 3, 12);
    book.WriteText(1, 4, 3, "名称");  // text over number
    book.WriteNumber(1, 5, 8, 9.5);  // over the formula of row 5
  });
  ASSERT_FALSE(after.is_null());
  EXPECT_EQ(CellValue(after, kSheet, "E4"), 3);
  EXPECT_EQ(CellType(after, kSheet, "E4"), "n");
  EXPECT_EQ(CellValue(after, kSheet, "C4"), "名称");
  EXPECT_DOUBLE_EQ(CellValue(after, kSheet, "H5").get<double>(), 9.5);
  EXPECT_EQ(CellType(after, kSheet, "H4"), "f");
  EXPECT_EQ(CellType(after, kSheet, "H6"), "f");
}

TEST_F(WorkbookEdit, SaveAsLeavesTheOpenedFileUntouched) {
  const std::string original = FileBytes(copy);
  Workbook book = Workbook::Open(copy);
  book.WriteText(1, 4, 2, "A");
  book.SaveAs(folder.Path() / "result.xlsx");
  EXPECT_EQ(FileBytes(copy), original);
  EXPECT_EQ(CellValue(ReadWithOpenpyxl(folder.Path() / "result.xlsx"), kSheet, "B4"), "A");
  // Only the two workbooks are left: no temporary file beside them.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
}

// A save killed before its rename leaves its temporary, and one of libzip's beside it
// when the kill came while the archive was written: the next save of the file removes
// those whose process is gone, and leaves a running save's alone.
TEST_F(WorkbookEdit, SavingRemovesTheTemporariesOfKilledSaves) {
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const std::string name = "." + copy.filename().string() + ".tmp-";
  const auto stale = folder.Path() / (name + std::to_string(gone));
  const auto staleOfLibzip = folder.Path() / (name + std::to_string(gone) + ".Xa9bQ2");
  const auto running = folder.Path() / (name + std::to_string(::getppid()) + ".Xa9bQ2");
  const auto other = folder.Path() / (name + "notes");
  for (const auto& file : {stale, staleOfLibzip, running, other}) std::ofstream(file) << "partial";
  Workbook book = Workbook::Open(copy);
  book.WriteText(1, 4, 2, "A");
  book.Save();
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_FALSE(std::filesystem::exists(staleOfLibzip));
  EXPECT_TRUE(std::filesystem::exists(running));
  EXPECT_TRUE(std::filesystem::exists(other));
  EXPECT_EQ(CellValue(ReadWithOpenpyxl(copy), kSheet, "B4"), "A");
}

TEST_F(WorkbookEdit, ClosingWithoutSaveWritesNothing) {
  const std::string original = FileBytes(copy);
  {
    Workbook book = Workbook::Open(copy);
    book.WriteText(1, 4, 2, "discarded");
  }
  EXPECT_EQ(FileBytes(copy), original);
}

}  // namespace
