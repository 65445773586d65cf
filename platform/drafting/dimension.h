// A dimension on a drawing sheet: what it measures (kind, value, count), the text it
// shows and how it is drawn on the sheet (extension and dimension lines, closed arrows,
// the text and its box), all in sheet millimetres. Automatic dimensions are made by the
// dimensioning command and replaced when it runs again.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/drafting/view_curves.h"
#include "platform/objects/object.h"

namespace platform {

constexpr int kDimensionType = 26;  // the host's dimension objects

enum class DimensionKind { Linear, Running, Diameter, Radius, Angle };

// "linear", "running", "diameter", "radius", "angle": how files and reports name them.
const char* DimensionKindName(DimensionKind kind);
// The kind of a name above; false for any other text.
bool ParseDimensionKind(const std::string& name, DimensionKind& kind);

// A closed, filled arrow head: its tip and the direction it points, in radians.
struct ArrowHead {
  drafting::Point2 tip;
  double angle = 0;
};

// Arrow heads of 0.25 mm lines (GB/T 4458.4): about 3 mm long, a sixth as wide.
constexpr double kArrowLengthMm = 3.0;
constexpr double kArrowWidthMm = 1.0;
constexpr double kDimensionTextMm = 3.5;

// How a dimension (or any note placed in a view's strips) is drawn.
struct DimensionGraphics {
  std::vector<drafting::Line2> lines;  // extension, dimension and leader lines, thin
  std::vector<drafting::Arc2> arcs;    // an angle's dimension line, a running origin
  std::vector<ArrowHead> arrows;
  drafting::Point2 textAt;             // the middle of the text's baseline
  double textAngleDeg = 0;             // counter-clockwise; 90 reads from the right
  double textHeight = kDimensionTextMm;
  drafting::Box2 textBox;              // on the sheet, as the text is drawn
  // The two sheet points measured, for files that keep them: a leader's tip on the rim and
  // the hole's centre (files before the centre was kept: the tip twice); an angle's vertex twice.
  drafting::Point2 measured[2];
};

class Dimension : public Object {
public:
  Dimension() : Object(kDimensionType, 0) {}
  std::uint32_t HolderPid() const override { return sheetPid; }  // set before it joins a part
  std::uint32_t sheetPid = 0;
  std::uint32_t viewPid = 0;  // the view whose feature it measures
  DimensionKind kind = DimensionKind::Linear;
  double value = 0;           // model mm, or degrees for an angle
  int count = 1;              // n of "n×⌀d", else 1
  std::string text;           // as drawn, UTF-8 (⌀ has no GBK form)
  bool automatic = true;
  DimensionGraphics drawn;
};

}  // namespace platform
