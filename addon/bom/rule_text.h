// The texts of the knowledge rules that write the bill of materials into the workbook.
#pragma once
#include <string>

namespace kzt {

// The value as a rule's string literal body: every '"' and '\' that is a character of
// its own gets a backslash before it, so that the cell receives the value exactly. GBK
// text is walked by character: a trail byte 0x5C is not a backslash.
std::string escape_rule_string(const std::string& value);

// "ug_excel_write_range(open:,{1,ROW,COLUMN,ROW,COLUMN,\"VALUE\"})" with the value
// escaped.
std::string write_cell_rule(int row, int column, const std::string& value);

}  // namespace kzt
