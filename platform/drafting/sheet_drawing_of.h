// A drawing sheet of a part as it is drawn: the template's frame (lines, arcs, texts),
// its tables with their cell texts, the views' stored content at their centres, and the
// sheet's name above the title block, with its scale when the title block has no scale
// cell. Texts become UTF-8 here.
#pragma once
#include <string>
#include <vector>

#include "platform/drafting/drawing.h"
#include "platform/drafting/sheet_drawing.h"

namespace platform::drafting {

// HostError(InvalidArgument) naming the sheet when one of its texts is not GBK. A view
// never updated draws nothing; its name is added to `undrawn` when given.
SheetDrawing DrawingOf(const DrawingSheet& sheet, std::vector<std::string>* undrawn = nullptr);

}  // namespace platform::drafting
