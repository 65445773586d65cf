// Paints one sheet on a cairo context whose user unit is the sheet millimetre.
#pragma once
#include <cairo.h>

#include "platform/drafting/sheet_drawing.h"
#include "platform/drafting/sheet_renderer.h"

namespace platform::drafting {

void PaintSheet(cairo_t* cr, const SheetDrawing& sheet, const RenderStyle& style);

}  // namespace platform::drafting
