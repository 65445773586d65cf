// Cell addresses in the workbook's "A1" form.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace platform::workbook {

// The largest row and column a worksheet holds.
constexpr int kMaxRow = 1048576;
constexpr int kMaxColumn = 16384;

struct CellAddress {
  int row = 0;     // from 1
  int column = 0;  // from 1
};

// "A1" for row 1, column 1; "AA10" for row 10, column 27. Row and column must be in range.
std::string CellName(int row, int column);
// The column letters alone: "J" for 10.
std::string ColumnName(int column);
// Parses "B7" (case-insensitive, no "$"); nothing for anything else or out of range.
std::optional<CellAddress> ParseCellName(std::string_view name);

}  // namespace platform::workbook
