// A sheet's drawing scale, as a factor or a ratio, and the title block's scale cell
// that shows it: every change of the scale goes through here so the two stay in step.
#pragma once
#include <string>

#include "platform/drafting/drawing.h"

namespace platform::drafting {

// The factor alone; a ratio set before is kept only when it still gives that factor.
// HostError(InvalidArgument) naming the sheet for a scale that is not above 0.
void SetSheetScale(DrawingSheet& sheet, double scale);
// numerator : denominator, both above 0 (HostError naming the sheet otherwise).
void SetSheetRatio(DrawingSheet& sheet, double numerator, double denominator);

// "1:5", "2:1" for a ratio; for a bare factor ScaleText of it.
std::string SheetScaleText(const DrawingSheet& sheet);
// "1:25" below 1, "1.5:1" above, "1:1" at 1: three significant figures.
std::string ScaleText(double scale);

// The value cell of the title block's scale: the cell right of a cell reading "比例" in
// one of the sheet's tabular notes; nullptr when the sheet has none.
std::string* ScaleCell(const DrawingSheet& sheet);
// Writes SheetScaleText into that cell, when there is one.
void RefreshScaleCell(DrawingSheet& sheet);

}  // namespace platform::drafting
