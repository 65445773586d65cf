#include "platform/drafting/view_curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform::drafting {

namespace {


// The arc's extreme points: its ends plus every quadrant point it passes.
void AddArc(Box2& box, const Arc2& arc) {
  box.Add(arc.PointAt(arc.startAngle));
  box.Add(arc.PointAt(arc.endAngle));
  const double firstQuadrant = std::ceil(arc.startAngle / (std::numbers::pi / 2));
  for (double k = firstQuadrant; k * (std::numbers::pi / 2) <= arc.endAngle; k += 1)
    box.Add(arc.PointAt(k * (std::numbers::pi / 2)));
}

}  // namespace

bool Arc2::IsFullCircle() const { return endAngle - startAngle >= kTwoPi - 1e-9; }

Point2 Arc2::PointAt(double angle) const {
  return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

void Box2::Add(Point2 p) {
  if (empty) {
    xmin = xmax = p.x;
    ymin = ymax = p.y;
    empty = false;
    return;
  }
  xmin = std::min(xmin, p.x);
  xmax = std::max(xmax, p.x);
  ymin = std::min(ymin, p.y);
  ymax = std::max(ymax, p.y);
}

void Box2::Add(const Box2& other) {
  if (other.empty) return;
  Add(Point2{other.xmin, other.ymin});
  Add(Point2{other.xmax, other.ymax});
}

void Box2::Add(const Curve2& curve) {
  if (const auto* line = std::get_if<Line2>(&curve)) {
    Add(line->start);
    Add(line->end);
  } else if (const auto* arc = std::get_if<Arc2>(&curve)) {
    AddArc(*this, *arc);
  } else {
    for (const Point2& p : std::get<Polyline2>(curve).points) Add(p);
  }
}

}  // namespace platform::drafting
