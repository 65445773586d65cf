// Parts lists: a header row (PC NO, PART NAME, QTY) and one row per distinct part among
// the objects added, numbered from 1 in the order they were first added.
#pragma once
#include <array>

#include "platform/drafting/drawing.h"
#include "platform/objects/part.h"

namespace platform::drafting {

PartsList& AddPartsList(DrawingSheet& sheet, std::array<double, 2> upperLeft);
// A component of the sheet's part (as that part sees it) or one of its bodies;
// HostError(InvalidArgument) naming the object for anything else. Rows follow on update.
void AddToPartsList(PartsList& list, Object& member);
// Rows made again from the members still there (deleted ones leave the list).
void UpdatePartsList(PartsList& list);
void UpdateAllPartsLists(Part& part);

}  // namespace platform::drafting
