// A hole table on a part sheet: the holes of one view that find no room for running
// dimensions, listed by diameter with their positions from the view's left end and
// bottom edge (the datum, marked on the view by a small circle). Rows of holes on one
// line and lines with the same positions share a row; equal pitches print once.
// Automatic tables are replaced when the dimensioning command runs again.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/drafting/dimension.h"
#include "platform/drafting/part_mark.h"

namespace platform::drafting {

// What a hole table shows and where, sheet mm.
struct HoleTableGrid {
  std::uint32_t viewPid = 0;       // the view showing the holes round
  Point2 topLeft;
  std::vector<double> columnWidths, rowHeights;  // mm
  std::vector<std::string> cells;  // row-major, UTF-8; the first row is the header
  Point2 datum;                    // the view's corner the positions are measured from
  int holes = 0;                   // holes it lists

  int Rows() const { return static_cast<int>(rowHeights.size()); }
  int Columns() const { return static_cast<int>(columnWidths.size()); }
  const std::string& Cell(int row, int column) const { return cells.at(row * Columns() + column); }
  Box2 Box() const;
};

}  // namespace platform::drafting

namespace platform {

constexpr int kHoleTableSubtype = 6;  // of the drafting annotations: hole tables

class HoleTable : public Object {
public:
  HoleTable() : Object(kDraftingEntityType, kHoleTableSubtype) {}
  std::uint32_t HolderPid() const override { return sheetPid; }  // set before it joins a part
  std::uint32_t sheetPid = 0;
  bool automatic = true;
  drafting::HoleTableGrid grid;
};

}  // namespace platform
