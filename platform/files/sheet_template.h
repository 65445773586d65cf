// Sheets made from template parts: a template is a part file holding one sheet whose
// size, scale, frame, texts and tabular notes every sheet made from it copies.
#pragma once
#include <string>

#include "platform/drafting/drawing.h"
#include "platform/objects/part.h"

namespace platform::drafting {

// A new sheet in `part` copied from the template at `templateHostPath`; it becomes the
// current sheet. An empty name gives the host's own ("SHT2", the first number free). HostError naming the
// file when it is missing or holds no sheet; nothing is added then.
DrawingSheet& AddSheetFromTemplate(Part& part, const std::string& templateHostPath, const std::string& name);

}  // namespace platform::drafting
