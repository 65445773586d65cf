// The title block's specification cell: the stock specification and material of the
// part a sheet draws, taken from its made-to-drawing bodies.
#pragma once
#include <string>
#include <vector>

#include <uf_defs.h>

void update_title_block_spec(tag_t sheet);
// The last cell holding "(" in a tabular note of the work view; NULL_TAG when none does.
tag_t find_spec_cell();
// "suling-MATERIALS-DB_PART_NAME" of each solid made-to-drawing body of the work part,
// each text once, in the part's order.
std::vector<std::string> list_drawn_part_specs();

namespace kzt {

// The part a sheet name draws: mode 1 the text after the last "-"; mode 2 the text
// between the first "-" and the next one (or the end); empty in mode 2 without "-".
std::string sheet_part_key(int mode, const std::string& sheetName);

}  // namespace kzt
