// The menu action bili_yangshi (sheet numbers 1, 2, 3, ... in the order of the sheet
// names) and the tidy-up of the current sheet that the layer display runs: title-block
// specification, a whole-number scale ratio, the isometric view's style.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include <uf_defs.h>

int renumber_sheets();
void set_sheet_number(tag_t sheet, const char* number);
void refresh_current_sheet();
void set_sheet_scale(tag_t sheet, int numerator, int denominator);

namespace kzt {

// Positions into `names` in numbering order. Mode 1: the names in byte order; mode 2:
// the numbers before the first "-" (atoi) in ascending order. Equal keys keep the
// sheets' own order.
std::vector<std::size_t> sheet_order(int mode, const std::vector<std::string>& names);
// The whole-number ratio of a sheet scale: scale:1 truncated at 1 and above, else
// 1:(1/scale) truncated, both in single precision.
std::pair<int, int> whole_scale_ratio(double scale);

}  // namespace kzt
