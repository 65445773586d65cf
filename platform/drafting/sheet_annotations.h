// Storing what the dimensioning command placed on a sheet: the sheet's automatic
// dimensions, part marks and hole tables are replaced by these; those made by hand stay.
#pragma once
#include <vector>

#include "platform/drafting/dimension_strips.h"
#include "platform/drafting/drawing.h"
#include "platform/drafting/hole_table.h"
#include "platform/drafting/part_mark_placement.h"

namespace platform::drafting {

void ReplaceAutomaticAnnotations(DrawingSheet& sheet, const std::vector<PlacedDimension>& dimensions,
                                 const std::vector<PlacedMark>& marks, const std::vector<HoleTableGrid>& tables);

}  // namespace platform::drafting
