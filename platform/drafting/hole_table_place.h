// Where a hole table goes on its sheet: the lowest place, from the right, where it stands
// clear of the views, the title block and the sheet's texts, the dimensions placed and
// the tables placed before, inside the frame.
#pragma once
#include <vector>

#include "platform/drafting/dimension_strips.h"
#include "platform/drafting/hole_table.h"

namespace platform::drafting {

// Sets the table's top left corner; false when no place on the sheet is clear.
bool PlaceHoleTable(HoleTableGrid& table, const SheetObstacles& sheet, const std::vector<PlacedDimension>& placed,
                    const std::vector<Box2>& tables);

}  // namespace platform::drafting
