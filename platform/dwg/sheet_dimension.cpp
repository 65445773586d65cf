#include "platform/dwg/sheet_dimension.h"

#include <cmath>
#include <stdexcept>

#include "platform/drafting/dimension_graphics.h"
#include "platform/dwg/sheet_dwg.h"
#include "platform/dwg/view_curves_dwg.h"

namespace platform::dwg {

namespace {

using drafting::Point2;


DimensionPicture PictureOf(const drafting::SheetDimension& dimension) {
  const DimensionGraphics& g = dimension.drawn;
  DimensionPicture picture;
  for (const drafting::Line2& l : g.lines) picture.lines.push_back({ToPoint(l.start), ToPoint(l.end)});
  for (const drafting::Arc2& a : g.arcs) picture.arcs.push_back(ToArc(a));
  for (const ArrowHead& arrow : g.arrows) {
    const auto corners = drafting::ArrowOutline(arrow);
    picture.solids.push_back({{ToPoint(corners[0]), ToPoint(corners[1]), ToPoint(corners[2])}});
  }
  picture.texts.push_back({ToPoint(g.textAt), g.textHeight, DwgDimensionText(dimension.utf8), g.textAngleDeg,
                           HorizontalAlign::Center, VerticalAlign::Baseline});
  return picture;
}

// Linear and running dimensions: the axis they measure along is the dimension line's
// (the third line drawn, after the two extension lines), else where the points differ most.
int AxisOf(const DimensionGraphics& g) {
  const Point2 a = g.measured[0], b = g.measured[1];
  if (g.lines.size() > 2) {
    const drafting::Line2& line = g.lines[2];
    if (std::abs(line.end.x - line.start.x) > 1e-9 || std::abs(line.end.y - line.start.y) > 1e-9)
      return std::abs(line.end.x - line.start.x) >= std::abs(line.end.y - line.start.y) ? 0 : 1;
  }
  return std::abs(b.x - a.x) >= std::abs(b.y - a.y) ? 0 : 1;
}

void SetLinear(const drafting::SheetDimension& s, Dimension& d) {
  const DimensionGraphics& g = s.drawn;
  const int axis = AxisOf(g);
  const Point2 first = g.measured[0];
  Point2 second = g.measured[1];
  // The second origin at the value from the first, towards the point drawn: an equal pitch
  // ("2×150=300") then measures its first gap, and a stop drawn to a hole's edge of the
  // model (within 0.05 mm of the position printed) measures exactly what it prints.
  const double towards = drafting::AlongOf(axis, second) >= drafting::AlongOf(axis, first) ? 1 : -1;
  second = drafting::AxisPoint(axis, drafting::AlongOf(axis, first) + towards * s.value * s.scale, drafting::AlongOf(1 - axis, second));
  const double lineAt = g.lines.size() > 2 ? drafting::AlongOf(1 - axis, g.lines[2].start) : drafting::AlongOf(1 - axis, second);
  d.kind = DimensionKind::Linear;
  d.rotationDeg = axis == 0 ? 0 : 90;
  d.firstOrigin = ToPoint(first);
  d.secondOrigin = ToPoint(second);
  d.definition = ToPoint(drafting::AxisPoint(axis, drafting::AlongOf(axis, second), lineAt));
}

// The two ends of the hole's diameter through the leader's tip; files made before the
// centre was kept give the tip twice, and the diameter then runs on along the leader.
void SetDiameter(const drafting::SheetDimension& s, Dimension& d) {
  const DimensionGraphics& g = s.drawn;
  const Point2 tip = g.measured[0], centre = g.measured[1];
  const double length = s.value * s.scale;
  double dx = centre.x - tip.x, dy = centre.y - tip.y;
  const double run = std::hypot(dx, dy);
  if (run < 1e-9 && !g.arrows.empty()) {
    dx = std::cos(g.arrows.front().angle);
    dy = std::sin(g.arrows.front().angle);
  } else if (run >= 1e-9) {
    dx /= run;
    dy /= run;
  }
  d.kind = s.kind == platform::DimensionKind::Radius ? DimensionKind::Radius : DimensionKind::Diameter;
  if (d.kind == DimensionKind::Radius) {
    d.definition = run >= 1e-9 ? ToPoint(centre) : Point{tip.x + dx * length, tip.y + dy * length};
    d.arcPoint = ToPoint(tip);
  } else {
    d.arcPoint = ToPoint(tip);
    d.definition = {tip.x + dx * length, tip.y + dy * length};
  }
}

// The vertex and one point on each leg, where the dimension arc meets them.
void SetAngle(const drafting::SheetDimension& s, Dimension& d) {
  const drafting::Arc2& arc = s.drawn.arcs.front();
  d.kind = DimensionKind::Angular;
  d.vertex = ToPoint(arc.centre);
  d.firstOrigin = ToPoint(arc.PointAt(arc.startAngle));
  d.secondOrigin = ToPoint(arc.PointAt(arc.endAngle));
  d.definition = ToPoint(arc.PointAt((arc.startAngle + arc.endAngle) / 2));
}

}  // namespace

Dimension DwgDimension(const drafting::SheetDimension& s) {
  Dimension d;
  switch (s.kind) {
    case platform::DimensionKind::Linear:
    case platform::DimensionKind::Running: SetLinear(s, d); break;
    case platform::DimensionKind::Diameter:
    case platform::DimensionKind::Radius: SetDiameter(s, d); break;
    case platform::DimensionKind::Angle:
      if (s.drawn.arcs.empty()) throw std::invalid_argument("an angle dimension \"" + s.utf8 + "\" draws no arc");
      SetAngle(s, d);
      break;
  }
  d.value = s.value;
  d.scale = s.scale;
  d.utf8 = DwgDimensionText(s.utf8);
  d.textHeight = s.drawn.textHeight;
  d.textMidpoint = ToPoint(Point2{s.drawn.textBox.Centre().x, s.drawn.textBox.Centre().y});
  d.picture = PictureOf(s);
  return d;
}

}  // namespace platform::dwg
