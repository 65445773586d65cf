// What a hole table says: the holes of a view grouped into rows. Holes of one diameter on
// one line across the view (one Y) form a line; lines with the same X positions share a
// row, their Y positions listed. Three or more equal gaps print as the first position and
// the pitch ("70, 24×40=960"), as running dimensions collapse them; a list too long for
// its cell is split over several rows.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "platform/drafting/hole_table.h"
#include "platform/drafting/sheet_drawing.h"

namespace platform::drafting {

// Holes of one diameter, positions in model mm from the datum.
struct TabledGroup {
  double diameter = 0;
  std::vector<std::array<double, 2>> at;
};

struct TabledHoles {
  std::uint32_t viewPid = 0;
  Point2 datum;  // on the sheet
  std::vector<TabledGroup> groups;
};

// The table for these holes: header, rows, cell sizes and the datum; not yet placed.
HoleTableGrid MakeHoleTable(const TabledHoles& holes);

// Its grid, its cell texts and the datum circle, on the sheet.
SheetHoleTable HoleTableDrawing(const HoleTableGrid& table);

}  // namespace platform::drafting
