// The three sheet templates drawings are made from (data/kzt-1/bom): a GB-style border
// and frame, a title block at the lower right whose cells hold the placeholders the
// add-on fills, and the first-angle projection symbol.
#pragma once
#include <string>

#include "platform/objects/part.h"

namespace platform::templates {

struct SheetFormat {
  const char* fileName;  // in data/kzt-1/bom
  double width, height;  // mm
};

// A3_zong.prt and A3_bujian.prt (420 x 297), A4_nj.prt (210 x 297).
const SheetFormat* SheetFormats(int* count);

// Title block: 180 x 32 mm in the frame's lower right corner. The add-on's layout puts
// no view below 55 mm, so nothing drawn by it reaches the block (see docs/drafting.md).
constexpr double kTitleBlockWidth = 180, kTitleBlockHeight = 32;
constexpr double kBindingMargin = 25, kFrameMargin = 5;  // GB/T 14689, A3 and A4

// Adds the format's sheet, frame and title block to an empty part.
void DrawSheetTemplate(Part& part, const SheetFormat& format);

}  // namespace platform::templates
