// A drawing sheet: its size, scale and number, and the drafting curves and texts of the
// frame it was made with (border, title-block lines, projection symbol).
#pragma once
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/objects/host_types.h"
#include "platform/objects/object.h"

namespace platform {

// A straight line or a circular arc of the frame, in sheet millimetres.
struct FrameCurve {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a line's ends
  double cx = 0, cy = 0, radius = 0;      // an arc when radius > 0
  double startAngle = 0, endAngle = 0;    // degrees, counter-clockwise
  bool thick = false;                     // border and title-block outline
  bool IsArc() const { return radius > 0; }
};

// A text of the frame; `x`, `y` is the centre of the text.
struct FrameText {
  double x = 0, y = 0;
  double height = 3.5;
  std::string text;  // host text (GBK)
};

constexpr int kSheetViewSubtype = 1;

class DrawingSheet;

// The sheet's own view: the work view while the drafting application shows the sheet.
class SheetOwnView : public Object {
public:
  explicit SheetOwnView(DrawingSheet& sheet) : Object(kViewType, kSheetViewSubtype), sheet(&sheet) {}
  DrawingSheet* sheet;
};

class DrawingSheet : public Object {
public:
  DrawingSheet() : Object(kDrawingType, 0) {}
  ~DrawingSheet() override;
  // Made on first request; lives as long as the sheet.
  SheetOwnView& OwnView();

  int number = 1;                   // 1, 2, ... in the order sheets were made
  std::string secondaryNumber;      // shown beside the number; empty unless set
  double scale = 1.0;               // drawing scale: sheet length over model length
  // The scale as numerator : denominator when it was set as a ratio; cleared by any
  // other change of the scale (platform/drafting/sheet_ratio.h).
  std::optional<std::array<double, 2>> ratio;
  double width = 297, height = 210; // mm
  std::string templatePath;         // host path of the sheet template it came from
  bool current = false;             // the part's current sheet
  std::vector<FrameCurve> frame;
  std::vector<FrameText> texts;

private:
  std::unique_ptr<SheetOwnView> ownView_;
};

}  // namespace platform
