#include "platform/drafting/hidden_under_visible.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <tuple>
#include <unordered_set>
#include <utility>

namespace platform::drafting {

namespace {


using Interval = std::pair<double, double>;

double Distance(Point2 a, Point2 b) { return std::hypot(a.x - b.x, a.y - b.y); }

double DistanceToSegment(Point2 p, Point2 a, Point2 b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  if (lengthSquared == 0) return Distance(p, a);
  const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0);
  return Distance(p, {a.x + t * dx, a.y + t * dy});
}

double AngleFrom(double angle, double start) {
  double relative = std::fmod(angle - start, kTwoPi);
  return relative < 0 ? relative + kTwoPi : relative;
}

double DistanceToCurve(Point2 p, const Curve2& curve) {
  if (const auto* line = std::get_if<Line2>(&curve)) return DistanceToSegment(p, line->start, line->end);
  if (const auto* arc = std::get_if<Arc2>(&curve)) {
    const double angle = std::atan2(p.y - arc->centre.y, p.x - arc->centre.x);
    if (arc->IsFullCircle() || AngleFrom(angle, arc->startAngle) <= arc->endAngle - arc->startAngle)
      return std::abs(Distance(p, arc->centre) - arc->radius);
    return std::min(Distance(p, arc->PointAt(arc->startAngle)), Distance(p, arc->PointAt(arc->endAngle)));
  }
  const auto& points = std::get<Polyline2>(curve).points;
  double best = points.empty() ? INFINITY : Distance(p, points.front());
  for (size_t i = 1; i < points.size(); ++i) best = std::min(best, DistanceToSegment(p, points[i - 1], points[i]));
  return best;
}

// What is left of [0, length] once the covered intervals are taken away.
std::vector<Interval> Uncovered(std::vector<Interval> covered, double length, double tolerance) {
  std::sort(covered.begin(), covered.end());
  std::vector<Interval> left;
  double from = 0;
  for (const auto& [a, b] : covered) {
    if (a > from + tolerance) left.emplace_back(from, std::min(a, length));
    from = std::max(from, b);
    if (from >= length) break;
  }
  if (length > from + tolerance) left.emplace_back(from, length);
  return left;
}

// The stretch [t0, t1] along `hidden` (measured from its start) that segment a-b covers,
// when a-b lies on the hidden line's carrier.
void AddCoveredStretch(const Line2& hidden, Point2 a, Point2 b, double tolerance,
                       std::vector<Interval>& covered) {
  const double length = Distance(hidden.start, hidden.end);
  const double ux = (hidden.end.x - hidden.start.x) / length, uy = (hidden.end.y - hidden.start.y) / length;
  auto offset = [&](Point2 p) { return std::abs((p.x - hidden.start.x) * uy - (p.y - hidden.start.y) * ux); };
  if (offset(a) > tolerance || offset(b) > tolerance) return;
  double ta = (a.x - hidden.start.x) * ux + (a.y - hidden.start.y) * uy;
  double tb = (b.x - hidden.start.x) * ux + (b.y - hidden.start.y) * uy;
  if (ta > tb) std::swap(ta, tb);
  if (tb < 0 || ta > length) return;
  covered.emplace_back(ta, tb);
}

void SplitLine(const Line2& hidden, const std::vector<const Curve2*>& visible, double tolerance,
               std::vector<Curve2>& out) {
  const double length = Distance(hidden.start, hidden.end);
  if (length <= tolerance) return;
  std::vector<Interval> covered;
  for (const Curve2* curve : visible) {
    if (const auto* line = std::get_if<Line2>(curve)) {
      AddCoveredStretch(hidden, line->start, line->end, tolerance, covered);
    } else if (const auto* polyline = std::get_if<Polyline2>(curve)) {
      for (size_t i = 1; i < polyline->points.size(); ++i)
        AddCoveredStretch(hidden, polyline->points[i - 1], polyline->points[i], tolerance, covered);
    }
  }
  const double ux = (hidden.end.x - hidden.start.x) / length, uy = (hidden.end.y - hidden.start.y) / length;
  auto at = [&](double t) { return Point2{hidden.start.x + t * ux, hidden.start.y + t * uy}; };
  for (const auto& [a, b] : Uncovered(std::move(covered), length, tolerance)) out.push_back(Line2{at(a), at(b)});
}

void SplitArc(const Arc2& hidden, const std::vector<const Curve2*>& visible, double tolerance,
              std::vector<Curve2>& out) {
  const double span = hidden.endAngle - hidden.startAngle;
  std::vector<Interval> covered;
  for (const Curve2* curve : visible) {
    const auto* arc = std::get_if<Arc2>(curve);
    if (!arc || Distance(arc->centre, hidden.centre) > tolerance || std::abs(arc->radius - hidden.radius) > tolerance)
      continue;
    if (arc->IsFullCircle()) return;
    // The visible arc as one or two stretches of angle measured from the hidden start.
    const double from = AngleFrom(arc->startAngle, hidden.startAngle);
    const double to = from + (arc->endAngle - arc->startAngle);
    covered.emplace_back(from, to);
    if (to > kTwoPi) covered.emplace_back(0, to - kTwoPi);
  }
  const double angularTolerance = tolerance / std::max(hidden.radius, tolerance);
  for (const auto& [a, b] : Uncovered(std::move(covered), span, angularTolerance))
    out.push_back(Arc2{hidden.centre, hidden.radius, hidden.startAngle + a, hidden.startAngle + b});
}

// Polylines are dropped segment by segment: a segment whose ends and middle all lie on
// visible curves is covered.
void SplitPolyline(const Polyline2& hidden, const std::vector<const Curve2*>& visible, double tolerance,
                   std::vector<Curve2>& out) {
  auto onVisible = [&](Point2 p) {
    return std::any_of(visible.begin(), visible.end(),
                       [&](const Curve2* c) { return DistanceToCurve(p, *c) <= tolerance; });
  };
  Polyline2 piece;
  auto flush = [&] {
    if (piece.points.size() >= 2) out.push_back(piece);
    piece.points.clear();
  };
  for (size_t i = 1; i < hidden.points.size(); ++i) {
    const Point2 a = hidden.points[i - 1], b = hidden.points[i];
    const Point2 middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
    if (onVisible(a) && onVisible(middle) && onVisible(b)) {
      flush();
      continue;
    }
    if (piece.points.empty()) piece.points.push_back(a);
    piece.points.push_back(b);
  }
  flush();
}

bool Overlaps(const Box2& a, const Box2& b, double tolerance) {
  return !a.empty && !b.empty && a.xmin <= b.xmax + tolerance && b.xmin <= a.xmax + tolerance &&
         a.ymin <= b.ymax + tolerance && b.ymin <= a.ymax + tolerance;
}

Box2 BoxOf(const Curve2& curve) {
  Box2 box;
  box.Add(curve);
  return box;
}

// The visible curves bucketed in a uniform grid over their extent, so that a hidden
// curve is compared only with the visible curves around it: views over many bodies have
// thousands of each.
class VisibleIndex {
public:
  VisibleIndex(const std::vector<Curve2>& visible, double tolerance) : visible_(visible), tolerance_(tolerance) {
    boxes_.reserve(visible.size());
    for (const Curve2& curve : visible) {
      boxes_.push_back(BoxOf(curve));
      extent_.Add(boxes_.back());
    }
    if (extent_.empty) return;
    const int side = std::clamp(static_cast<int>(std::sqrt(static_cast<double>(visible.size()))), 1, 256);
    columns_ = rows_ = side;
    cellWidth_ = std::max(extent_.Width() / side, tolerance);
    cellHeight_ = std::max(extent_.Height() / side, tolerance);
    cells_.resize(static_cast<size_t>(side) * side);
    for (size_t i = 0; i < boxes_.size(); ++i)
      ForCells(boxes_[i], [&](size_t cell) { cells_[cell].push_back(static_cast<int>(i)); });
    seen_.assign(visible.size(), 0);
  }

  // The visible curves whose box comes within the tolerance of `box`.
  void Near(const Box2& box, std::vector<const Curve2*>& out) const {
    out.clear();
    if (extent_.empty || !Overlaps(box, extent_, tolerance_)) return;
    ++stamp_;
    ForCells(box, [&](size_t cell) {
      for (int i : cells_[cell]) {
        if (seen_[i] == stamp_) continue;
        seen_[i] = stamp_;
        if (Overlaps(box, boxes_[i], tolerance_)) out.push_back(&visible_[i]);
      }
    });
  }

private:
  template <class Visit>
  void ForCells(const Box2& box, Visit visit) const {
    auto column = [&](double x) { return std::clamp(static_cast<int>((x - extent_.xmin) / cellWidth_), 0, columns_ - 1); };
    auto row = [&](double y) { return std::clamp(static_cast<int>((y - extent_.ymin) / cellHeight_), 0, rows_ - 1); };
    const int c0 = column(box.xmin - tolerance_), c1 = column(box.xmax + tolerance_);
    const int r0 = row(box.ymin - tolerance_), r1 = row(box.ymax + tolerance_);
    for (int r = r0; r <= r1; ++r)
      for (int c = c0; c <= c1; ++c) visit(static_cast<size_t>(r) * columns_ + c);
  }

  const std::vector<Curve2>& visible_;
  double tolerance_;
  std::vector<Box2> boxes_;
  Box2 extent_;
  int columns_ = 1, rows_ = 1;
  double cellWidth_ = 1, cellHeight_ = 1;
  std::vector<std::vector<int>> cells_;
  mutable std::vector<unsigned> seen_;
  mutable unsigned stamp_ = 0;
};

// A line or arc reduced to whole multiples of the tolerance, ends in a fixed order.
using CurveKey = std::tuple<int, long, long, long, long, long>;

struct CurveKeyHash {
  size_t operator()(const CurveKey& key) const {
    size_t hash = 0;
    std::apply([&](auto... part) { ((hash = hash * 1000003u ^ std::hash<long>()(part)), ...); }, key);
    return hash;
  }
};

std::optional<CurveKey> KeyOf(const Curve2& curve, double tolerance) {
  auto grid = [&](double v) { return std::lround(v / tolerance); };
  if (const auto* line = std::get_if<Line2>(&curve)) {
    auto a = std::make_pair(grid(line->start.x), grid(line->start.y));
    auto b = std::make_pair(grid(line->end.x), grid(line->end.y));
    if (b < a) std::swap(a, b);
    return CurveKey{0, a.first, a.second, b.first, b.second, 0};
  }
  if (const auto* arc = std::get_if<Arc2>(&curve))
    return CurveKey{1, grid(arc->centre.x), grid(arc->centre.y), grid(arc->radius),
                    grid(arc->radius * AngleFrom(arc->startAngle, 0)), grid(arc->radius * (arc->endAngle - arc->startAngle))};
  return std::nullopt;
}

}  // namespace

void DropRepeatedCurves(std::vector<Curve2>& curves, double toleranceMm) {
  std::unordered_set<CurveKey, CurveKeyHash> seen;
  std::vector<Curve2> kept;
  kept.reserve(curves.size());
  for (Curve2& curve : curves) {
    const auto key = KeyOf(curve, toleranceMm);
    if (!key || seen.insert(*key).second) kept.push_back(std::move(curve));
  }
  curves = std::move(kept);
}

void DropHiddenUnderVisible(ViewContent& content, double toleranceMm) {
  const VisibleIndex index(content.visible, toleranceMm);
  std::vector<Curve2> kept;
  std::vector<const Curve2*> nearby;
  for (const Curve2& hidden : content.hidden) {
    const Box2 box = BoxOf(hidden);
    index.Near(box, nearby);
    if (nearby.empty()) {
      kept.push_back(hidden);
    } else if (const auto* line = std::get_if<Line2>(&hidden)) {
      SplitLine(*line, nearby, toleranceMm, kept);
    } else if (const auto* arc = std::get_if<Arc2>(&hidden)) {
      SplitArc(*arc, nearby, toleranceMm, kept);
    } else {
      SplitPolyline(std::get<Polyline2>(hidden), nearby, toleranceMm, kept);
    }
  }
  content.hidden = std::move(kept);
}

void DrawAsSeen(ViewContent& content) {
  DropRepeatedCurves(content.visible);
  DropRepeatedCurves(content.hidden);
  DropHiddenUnderVisible(content, std::max(content.coincidenceMm, kCoincidenceMm));
  // What is left of hidden edges partly under visible ones can be the same stretch.
  DropRepeatedCurves(content.hidden);
  content.box = Box2{};
  for (const Curve2& curve : content.visible) content.box.Add(curve);
  for (const Curve2& curve : content.hidden) content.box.Add(curve);
}

}  // namespace platform::drafting
