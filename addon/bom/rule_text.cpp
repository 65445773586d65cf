#include "bom/rule_text.h"

#include <cstdio>

namespace kzt {

std::string escape_rule_string(const std::string& value) {
  std::string escaped;
  escaped.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(value[i]);
    if (byte >= 0x81 && i + 1 < value.size()) {
      escaped += value.substr(i++, 2);  // a double-byte character, whatever its trail byte
      continue;
    }
    if (byte == '"' || byte == '\\') escaped += '\\';
    escaped += value[i];
  }
  return escaped;
}

std::string write_cell_rule(int row, int column, const std::string& value) {
  char head[96];
  std::snprintf(head, sizeof head, "ug_excel_write_range(open:,{1,%d,%d,%d,%d,\"", row, column, row, column);
  return head + escape_rule_string(value) + "\"})";
}

}  // namespace kzt
