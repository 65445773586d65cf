// Which bodies get a row of the bill of materials, their quantities, and the stock-kind
// code of a stock specification.
#pragma once
#include <string>
#include <vector>

#include <uf_defs.h>

namespace kzt {

struct BomRows {
  std::vector<std::string> all_names;   // part name of every body examined, in order
  std::vector<std::string> kept_names;  // part names of the bodies that get a row
  std::vector<tag_t> kept_bodies;       // parallel to kept_names
};

// Reads each body's part name; with `merge`, only the first body of each name gets a
// row, else every body does.
BomRows gather_bom_rows(const std::vector<tag_t>& bodies, bool merge);

// How many examined bodies carry `name` (the quantity of a merged row).
int count_of_name(const BomRows& rows, const std::string& name);

// Column 10: the stock kind (the suling text up to its first "(") as a code: empty 1,
// 方管 2, 矩形管 3, 钢板 4, 扁钢 5, 无缝钢管 6, 圆钢 7, 角钢 8, ZW24钢板网 9, EVA板40° 10,
// PP板 11, PU板 12, ABS板 13, PU软管 14, anything else 15.
int stock_kind_code(const std::string& stockSpec);

}  // namespace kzt
