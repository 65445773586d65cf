// Cell names and the stored form of cell text.
#include <gtest/gtest.h>

#include "platform/workbook/cell_reference.h"
#include "platform/workbook/cell_text.h"

using namespace platform::workbook;

namespace {

TEST(CellNames, ColumnsCountInBase26WithoutZero) {
  EXPECT_EQ(CellName(1, 1), "A1");
  EXPECT_EQ(CellName(4, 10), "J4");
  EXPECT_EQ(CellName(10, 26), "Z10");
  EXPECT_EQ(CellName(10, 27), "AA10");   // 26 + 1
  EXPECT_EQ(CellName(1, 702), "ZZ1");    // 26 * 26 + 26
  EXPECT_EQ(CellName(1, 703), "AAA1");
  EXPECT_EQ(CellName(kMaxRow, kMaxColumn), "XFD1048576");
  for (int column : {1, 26, 27, 52, 702, 703, 16384}) {
    const auto back = ParseCellName(CellName(7, column));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->column, column);
    EXPECT_EQ(back->row, 7);
  }
  EXPECT_EQ(ParseCellName("b7")->column, 2);
}

TEST(CellNames, MalformedOrOutOfRangeNamesAreRefused) {
  for (const char* bad : {"", "A", "7", "A0", "A01", "$A$1", "A1B", "XFE1", "A1048577", "A-1"})
    EXPECT_FALSE(ParseCellName(bad)) << bad;
}

TEST(CellText, ControlCharactersAndLookalikeEscapesAreEncoded) {
  EXPECT_EQ(EncodeCellText("钢板"), "钢板");
  EXPECT_EQ(EncodeCellText("a\x01" "b"), "a_x0001_b");
  EXPECT_EQ(EncodeCellText("a\rb"), "a_x000D_b");
  EXPECT_EQ(EncodeCellText("tab\tnew\nline"), "tab\tnew\nline");
  EXPECT_EQ(EncodeCellText("_x0041_"), "_x005F_x0041_");
  EXPECT_EQ(EncodeCellText("_x00G1_"), "_x00G1_");  // not hex: not an escape
}

TEST(CellText, InvalidUtf8IsRefused) {
  for (const char* bad : {"\xB8\xD6", "\xC0\xAF", "\xED\xA0\x80", "\xE9\x92", "\xF5\x80\x80\x80", "\x80"})
    EXPECT_FALSE(EncodeCellText(bad)) << bad;
  EXPECT_TRUE(EncodeCellText("\xF0\x9F\x98\x80"));  // a four-byte character
}

}  // namespace
