#include "platform/workbook/cell_reference.h"

#include <cctype>

namespace platform::workbook {

std::string ColumnName(int column) {
  std::string letters;
  for (int n = column; n > 0; n = (n - 1) / 26) letters.insert(letters.begin(), char('A' + (n - 1) % 26));
  return letters;
}

std::string CellName(int row, int column) { return ColumnName(column) + std::to_string(row); }

std::optional<CellAddress> ParseCellName(std::string_view name) {
  CellAddress address;
  size_t i = 0;
  for (; i < name.size() && std::isalpha(static_cast<unsigned char>(name[i])); ++i) {
    address.column = address.column * 26 + (std::toupper(static_cast<unsigned char>(name[i])) - 'A' + 1);
    if (address.column > kMaxColumn) return std::nullopt;
  }
  if (i == 0 || i == name.size() || name[i] == '0') return std::nullopt;
  for (; i < name.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
    address.row = address.row * 10 + (name[i] - '0');
    if (address.row > kMaxRow) return std::nullopt;
  }
  return address;
}

}  // namespace platform::workbook
