#include "platform/drafting/rescaled_content.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "platform/drafting/hidden_under_visible.h"

namespace platform::drafting {

namespace {

Point2 Times(Point2 p, double factor) { return {p.x * factor, p.y * factor}; }

Curve2 Times(const Curve2& curve, double factor) {
  if (const auto* line = std::get_if<Line2>(&curve)) return Line2{Times(line->start, factor), Times(line->end, factor)};
  if (const auto* arc = std::get_if<Arc2>(&curve))
    return Arc2{Times(arc->centre, factor), arc->radius * factor, arc->startAngle, arc->endAngle};
  Polyline2 polyline = std::get<Polyline2>(curve);
  for (Point2& p : polyline.points) p = Times(p, factor);
  return polyline;
}

std::vector<Curve2> Times(const std::vector<Curve2>& curves, double factor) {
  std::vector<Curve2> scaled;
  scaled.reserve(curves.size());
  for (const Curve2& curve : curves) scaled.push_back(Times(curve, factor));
  return scaled;
}

}  // namespace

ViewContent Rescaled(const ViewContent& content, double factor) {
  if (!(factor > 0 && factor <= 1))
    throw std::invalid_argument("a view's content is only reduced, not scaled by " + std::to_string(factor));
  ViewContent scaled;
  scaled.visible = Times(content.visible, factor);
  scaled.hidden = Times(content.hidden, factor);
  // A mesh's error shrinks with the view: a polygonal view's chord, reduced with it, still
  // tells how far off its hidden stretches may lie (never below the exact curves' own).
  scaled.coincidenceMm = std::max(kCoincidenceMm, content.coincidenceMm * factor);
  DrawAsSeen(scaled);
  return scaled;
}

}  // namespace platform::drafting
