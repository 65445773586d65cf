// Draws sheets as a person sees them: PDF (one page per sheet), SVG or PNG. Visible
// edges continuous and thick, hidden edges dashed and thin, texts in a CJK font.
// Files are written beside the target and renamed into place: a failed render leaves
// any earlier file untouched.
#pragma once
#include <string>
#include <vector>

#include "platform/drafting/sheet_drawing.h"

namespace platform::drafting {

struct RenderStyle {
  double visibleWidthMm = 0.5;
  double hiddenWidthMm = 0.25;
  double hiddenDashMm = 3, hiddenGapMm = 1.5;
  std::string fontFamily = "Noto Sans CJK SC";
  double pngDotsPerInch = 150;
};

// Each throws HostError naming the file (FileError) or the sheet (InvalidArgument: a size
// or text height not positive, a text that is not UTF-8, no sheet at all).
void RenderPdf(const std::vector<SheetDrawing>& sheets, const std::string& path,
               const RenderStyle& style = {});
void RenderSvg(const SheetDrawing& sheet, const std::string& path, const RenderStyle& style = {});
void RenderPng(const SheetDrawing& sheet, const std::string& path, const RenderStyle& style = {});

}  // namespace platform::drafting
