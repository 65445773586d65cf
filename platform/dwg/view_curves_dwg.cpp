#include "platform/dwg/view_curves_dwg.h"

#include <cmath>
#include <numbers>

namespace platform::dwg {

namespace {

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

// In [0, 360); an angle a rounding step below 360 is 0.
double Turned(double degrees) {
  const double d = std::fmod(degrees, 360.0);
  const double turned = d < 0 ? d + 360.0 : d;
  return turned >= 360.0 ? 0.0 : turned;
}

}  // namespace

Point ToPoint(drafting::Point2 p, drafting::Point2 offset) { return {p.x + offset.x, p.y + offset.y}; }

Line ToLine(const drafting::Line2& line, drafting::Point2 offset) {
  return {ToPoint(line.start, offset), ToPoint(line.end, offset)};
}

Arc ToArc(const drafting::Arc2& arc, drafting::Point2 offset) {
  const Point centre = ToPoint(arc.centre, offset);
  if (arc.IsFullCircle()) return {centre, arc.radius, 0, 360};
  const double start = Turned(Degrees(arc.startAngle));
  return {centre, arc.radius, start, Turned(start + Degrees(arc.endAngle - arc.startAngle))};
}

Geometry ToGeometry(const drafting::Curve2& curve, drafting::Point2 offset) {
  if (const auto* line = std::get_if<drafting::Line2>(&curve)) return ToLine(*line, offset);
  if (const auto* arc = std::get_if<drafting::Arc2>(&curve)) {
    if (arc->IsFullCircle()) return Circle{ToPoint(arc->centre, offset), arc->radius};
    return ToArc(*arc, offset);
  }
  Polyline polyline;
  for (drafting::Point2 p : std::get<drafting::Polyline2>(curve).points) polyline.points.push_back(ToPoint(p, offset));
  return polyline;
}

}  // namespace platform::dwg
