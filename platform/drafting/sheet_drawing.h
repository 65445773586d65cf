// What a drawing sheet looks like, ready to be drawn: its size, the template's frame and
// table lines, its texts and its views with their content. Sheet millimetres, origin at
// the sheet's lower left, Y up.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "platform/drafting/dimension.h"
#include "platform/drafting/view_curves.h"

namespace platform::drafting {

// Which point of the text's box sits at its position.
enum class TextAnchor {
  TopLeft, TopCentre, TopRight,
  MidLeft, MidCentre, MidRight,
  BottomLeft, BottomCentre, BottomRight,
};

struct SheetLine {
  Point2 start, end;
  double widthMm = 0.35;
};

// A circle or a counter-clockwise arc of the frame (the projection symbol).
struct SheetArc {
  Arc2 arc;
  double widthMm = 0.35;
};

struct SheetText {
  std::string utf8;
  Point2 position;
  double heightMm = 3.5;  // character height
  TextAnchor anchor = TextAnchor::BottomLeft;
  double angleDegrees = 0;  // counter-clockwise
  double maxWidthMm = 0;    // above 0: a longer text is set smaller to fit (a table cell)
};

// A body drawn filled in a view: the triangles of its projected surface, view coordinates.
struct ShadeFill {
  std::vector<std::array<Point2, 3>> triangles;
  std::array<double, 3> rgb{};  // sRGB 0..1
  double opacity = 1;
};

struct SheetView {
  std::string name;
  Point2 origin;        // where the view's 0,0 (the projected model origin) sits on the sheet
  ViewContent content;  // view coordinates, already scaled
  std::vector<ShadeFill> shades;  // drawn under the edges
  bool hiddenShown = true;        // false when the view's hidden-line font is invisible
};

// A dimension as drawn: what it measures and its graphics, sheet mm.
struct SheetDimension {
  DimensionKind kind = DimensionKind::Linear;
  double value = 0;
  int count = 1;
  std::string utf8;
  double scale = 1;  // the view's: sheet mm per model mm
  DimensionGraphics drawn;
};

// A part mark as drawn: its number and its balloon, leader and arrow, sheet mm.
struct SheetPartMark {
  std::string utf8;
  DimensionGraphics drawn;
};

// A hole table as drawn: its grid, its cell texts and the datum mark on the view, sheet mm.
struct SheetHoleTable {
  std::vector<Line2> lines;
  std::vector<Arc2> arcs;
  std::vector<SheetText> texts;
};

struct SheetDrawing {
  std::string name;
  double widthMm = 420, heightMm = 297;
  std::vector<SheetLine> lines;
  std::vector<SheetArc> arcs;
  std::vector<SheetText> texts;
  std::vector<SheetView> views;
  std::vector<SheetDimension> dimensions;
  std::vector<SheetPartMark> partMarks;
  std::vector<SheetHoleTable> holeTables;
};

// The origin that puts the centre of a view's extent at `centre` on the sheet.
inline Point2 OriginForCentre(const ViewContent& content, Point2 centre) {
  const Point2 middle = content.box.Centre();
  return {centre.x - middle.x, centre.y - middle.y};
}

}  // namespace platform::drafting
