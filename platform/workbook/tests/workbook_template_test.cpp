// The BOM template the build writes, as a reader we did not write sees it.
#include <gtest/gtest.h>

#include "tests/support/xlsx_reader.h"

using namespace fabdoc_test;

namespace {

const char* const kSheet = "明细表";

TEST(BomTemplate, HasTitleAndTwoRowHeaderOverTheTenColumns) {
  const auto book = ReadWithOpenpyxl(BomTemplate());
  ASSERT_FALSE(book.is_null());
  EXPECT_EQ(book["sheets"], nlohmann::json({"明细表", "类别代码"}));
  EXPECT_FALSE(CellValue(book, kSheet, "A1").get<std::string>().empty());
  // Columns 1-6, 9 and 10 span both header rows; the two masses share "重量" above them.
  const std::vector<std::pair<std::string, std::string>> headers = {
      {"A2", "序号"}, {"B2", "图号"}, {"C2", "名称"}, {"D2", "规格"}, {"E2", "数量"}, {"F2", "材料"},
      {"G3", "单重(kg)"}, {"H3", "总重(kg)"}, {"I2", "备注"}, {"J2", "类别"}};
  for (const auto& [cell, text] : headers) EXPECT_EQ(CellValue(book, kSheet, cell), text) << cell;
  const auto& merged = book["sheet"][kSheet]["merged"];
  for (const char* range : {"A1:J1", "A2:A3", "F2:F3", "G2:H2", "I2:I3", "J2:J3"})
    EXPECT_NE(std::find(merged.begin(), merged.end(), range), merged.end()) << range;
  EXPECT_EQ(book["sheet"][kSheet]["freeze"], "A4");
}

TEST(BomTemplate, ColumnsHaveWidthsBordersAndAChineseFont) {
  const auto book = ReadWithOpenpyxl(BomTemplate());
  ASSERT_FALSE(book.is_null());
  const auto& widths = book["sheet"][kSheet]["widths"];
  EXPECT_EQ(widths.size(), 10u);
  // The drawing number and the stock text need room; the running number does not.
  EXPECT_GT(widths["B"].get<double>(), widths["A"].get<double>());
  EXPECT_GT(widths["D"].get<double>(), widths["E"].get<double>());
  const auto& header = book["sheet"][kSheet]["styles"]["A2"];
  EXPECT_EQ(header["font"], "宋体");
  EXPECT_TRUE(header["bold"].get<bool>());
  EXPECT_EQ(header["border"], "thin");
}

TEST(BomTemplate, PreparedRowsComputeTotalMassFromQuantityAndUnitMass) {
  const auto book = ReadWithOpenpyxl(BomTemplate());
  ASSERT_FALSE(book.is_null());
  EXPECT_EQ(CellType(book, kSheet, "H4"), "f");
  const std::string formula = CellValue(book, kSheet, "H4");
  EXPECT_NE(formula.find("E4*G4"), std::string::npos) << formula;
  EXPECT_NE(CellValue(book, kSheet, "H203").get<std::string>().find("E203*G203"), std::string::npos);
  // Nothing is written in the data columns of the template itself.
  EXPECT_TRUE(CellValue(book, kSheet, "A4").is_null());
}

TEST(BomTemplate, SecondSheetExplainsTheCategoryCodes) {
  const auto book = ReadWithOpenpyxl(BomTemplate());
  ASSERT_FALSE(book.is_null());
  // Codes 1 to 15 in rows 2 to 16, the stock kind beside each; 钢板 is 4.
  EXPECT_EQ(CellValue(book, "类别代码", "A2"), 1);
  EXPECT_EQ(CellValue(book, "类别代码", "A16"), 15);
  EXPECT_EQ(CellValue(book, "类别代码", "A5"), 4);
  EXPECT_EQ(CellValue(book, "类别代码", "B5"), "钢板");
}

}  // namespace
