// Automatic dimensions of a sheet, made again: (1) the sheet's views must have been drawn
// (out-of-date ones are updated), (2) a part sheet's one body is read and its dimensions
// proposed (an assembly sheet's bodies give its overall sizes, member positions and part
// marks), (3) placed in the views' strips, (4) the whole sheet checked; only when every
// dimension found its place are the sheet's old automatic dimensions replaced. A sheet
// that fails keeps what it had and the error says what could not be placed.
#pragma once
#include <string>
#include <vector>

#include "platform/drafting/dimension_strips.h"
#include "platform/drafting/drawing.h"

namespace platform::drafting {

struct SheetDimensionsResult {
  int made = 0;           // dimensions now on the sheet
  int marks = 0;          // part marks now on the sheet (assembly sheets)
  std::string note;       // what the sheet was left without and why (parts not numbered), or empty
  int holeTables = 0;     // hole tables now on the sheet
};

// HostError naming the sheet: no views, a view never updated, a body without volume, or
// dimensions that found no place (each named); the sheet is left as it was.
SheetDimensionsResult DimensionSheet(DrawingSheet& sheet);

// What nothing placed on the sheet may cover, from the sheet as it is drawn.
SheetObstacles ObstaclesOf(const DrawingSheet& sheet);

}  // namespace platform::drafting
