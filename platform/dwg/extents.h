// The box around what a drawing draws, as the header records it.
#pragma once
#include "platform/dwg/drawing.h"
#include "platform/dwg/header_variables.h"

namespace platform::dwg {

// Exact for lines, arcs, circles and polylines; a text counts by its alignment point
// (its glyph outlines depend on the reader's font); a dimension by its defining points
// and its picture. An empty drawing gives the sheet.
Extents DrawingExtents(const Drawing& drawing);

}  // namespace platform::dwg
