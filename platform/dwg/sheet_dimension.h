// A placed dimension of a drawing sheet as a DWG dimension entity: its kind, the defining
// points a CAD program measures (sheet mm), the model value and the view's scale, and as
// its picture exactly what the sheet walk draws for it, arrowheads as filled triangles.
#pragma once
#include "platform/drafting/sheet_drawing.h"
#include "platform/dwg/drawing.h"

namespace platform::dwg {

Dimension DwgDimension(const drafting::SheetDimension& dimension);

}  // namespace platform::dwg
