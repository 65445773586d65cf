#include "platform/drafting/part_mark_placement.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace platform::drafting {

namespace {

constexpr double kBalloonGapMm = 1.0;  // between neighbouring balloons of a row
constexpr double kRowStepMm = 3.5;     // a row that does not clear moves out by this
constexpr int kRowTries = 10;
constexpr double kBaselineBelowCentre = 0.35;  // of the text height: digits centred in the circle


double Turn(Point2 o, Point2 a, Point2 b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

// Proper crossings only: leaders that merely touch at an end do not count.
bool SegmentsCross(Point2 a, Point2 b, Point2 c, Point2 d) {
  return Turn(c, d, a) * Turn(c, d, b) < 0 && Turn(a, b, c) * Turn(a, b, d) < 0;
}

double DistanceToSegment(Point2 p, Point2 a, Point2 b) {
  const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
  const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0;
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Whether segment ab passes through the box grown by `margin` (Liang-Barsky clipping).
bool SegmentHitsBox(Point2 a, Point2 b, const Box2& box, double margin) {
  if (box.empty) return false;
  double t0 = 0, t1 = 1;
  const double d[2] = {b.x - a.x, b.y - a.y}, lo[2] = {box.xmin - margin, box.ymin - margin},
               hi[2] = {box.xmax + margin, box.ymax + margin}, p[2] = {a.x, a.y};
  for (int i = 0; i < 2; ++i) {
    if (std::abs(d[i]) < 1e-12) {
      if (p[i] < lo[i] || p[i] > hi[i]) return false;
      continue;
    }
    double u = (lo[i] - p[i]) / d[i], v = (hi[i] - p[i]) / d[i];
    if (u > v) std::swap(u, v);
    t0 = std::max(t0, u);
    t1 = std::min(t1, v);
    if (t0 > t1) return false;
  }
  return true;
}

bool Overlap(const Box2& a, const Box2& b, double clearance) {
  return !a.empty && !b.empty && a.xmin < b.xmax + clearance && b.xmin < a.xmax + clearance &&
         a.ymin < b.ymax + clearance && b.ymin < a.ymax + clearance;
}

bool Inside(const Box2& inner, const Box2& outer) {
  return inner.xmin >= outer.xmin && inner.xmax <= outer.xmax && inner.ymin >= outer.ymin && inner.ymax <= outer.ymax;
}

Point2 Leaderend(const DimensionGraphics& g) { return g.lines.front().end; }

class MarkPlacer {
public:
  MarkPlacer(const SheetObstacles& sheet, const std::vector<PlacedDimension>& dimensions, double radius)
      : sheet_(sheet), dimensions_(dimensions), radius_(radius) {
    for (const PlacedDimension& d : dimensions) {
      dimensionTexts_.push_back(d.drawn.textBox);
      for (const Line2& line : d.drawn.lines) {
        Box2 box;
        box.Add(line.start);
        box.Add(line.end);
        dimensionLines_.push_back(box);
      }
    }
  }

  MarkPlacement Place(const std::vector<MarkTarget>& targets) {
    MarkPlacement result;
    // Each mark's present choice: which of its tips, which side of that tip's view.
    std::vector<std::pair<size_t, size_t>> choice(targets.size(), {0, 0});
    std::vector<size_t> pending;
    for (size_t i = 0; i < targets.size(); ++i)
      if (targets[i].tips.empty()) Unplaced(targets[i], result);
      else pending.push_back(i);
    while (!pending.empty()) {
      std::map<std::pair<std::uint32_t, int>, std::vector<size_t>> groups;
      for (size_t i : pending) {
        const MarkTip& tip = targets[i].tips[choice[i].first];
        groups[{tip.viewPid, static_cast<int>(tip.sides[choice[i].second])}].push_back(i);
      }
      pending.clear();
      for (auto& [key, members] : groups) {
        std::vector<Member> group;
        for (size_t i : members) group.push_back({&targets[i], &targets[i].tips[choice[i].first]});
        for (size_t failed : PlaceGroup(group, static_cast<Side>(key.second))) {
          const size_t i = members[failed];
          if (++choice[i].second == targets[i].tips[choice[i].first].sides.size()) choice[i] = {choice[i].first + 1, 0};
          if (choice[i].first < targets[i].tips.size()) pending.push_back(i);
          else Unplaced(targets[i], result);
        }
      }
    }
    result.placed = std::move(placed_);
    return result;
  }

private:
  struct Member {
    const MarkTarget* target;
    const MarkTip* at;
  };

  void Unplaced(const MarkTarget& t, MarkPlacement& result) const {
    result.unplaced.push_back("part mark " + t.text + " (" + t.partName + ")");
  }

  const Box2* ViewBox(std::uint32_t pid) const {
    for (size_t i = 0; i < sheet_.viewPids.size(); ++i)
      if (sheet_.viewPids[i] == pid) return &sheet_.views[i];
    return nullptr;
  }

  // How far beyond the view's side the dimensions of that view reach.
  double DimensionReach(std::uint32_t viewPid, const Box2& view, Side side) const {
    const int axis = AxisAlong(side), out = Outward(side);
    const double edge = EdgeOf(view, side);
    double reach = 0;
    const auto beyond = [&](const Box2& box) {
      const double nearSide = axis == 0 ? (out > 0 ? box.ymin : box.ymax) : (out > 0 ? box.xmin : box.xmax);
      const double farSide = axis == 0 ? (out > 0 ? box.ymax : box.ymin) : (out > 0 ? box.xmax : box.xmin);
      if (out * (nearSide - edge) >= -1e-6) reach = std::max(reach, out * (farSide - edge));
    };
    for (const PlacedDimension& d : dimensions_) {
      if (d.proposal.viewPid != viewPid) continue;
      beyond(d.drawn.textBox);
      for (const Line2& line : d.drawn.lines) {
        Box2 box;
        box.Add(line.start);
        box.Add(line.end);
        beyond(box);
      }
    }
    return reach;
  }

  // A mark's balloon and leader clear of the sheet, the dimensions, the marks placed
  // before and the other marks of its row (`row`, itself included).
  bool Clear(const PlacedMark& mark, const std::vector<PlacedMark>& row) const {
    const Box2& circle = mark.drawn.textBox;
    if (!Inside(circle, sheet_.frame)) return false;
    for (const Box2& view : sheet_.views)
      if (Overlap(circle, view, kClearanceMm)) return false;
    for (const auto* boxes : {&sheet_.blocked, &dimensionTexts_})
      for (const Box2& box : *boxes)
        if (Overlap(circle, box, kClearanceMm)) return false;
    for (const Box2& line : dimensionLines_)
      if (Overlap(circle, line, kClearanceMm / 2)) return false;
    const Point2 tip = mark.at.tip, end = Leaderend(mark.drawn);
    for (size_t i = 0; i < sheet_.views.size(); ++i)
      if (sheet_.viewPids[i] != mark.at.viewPid && SegmentHitsBox(tip, end, sheet_.views[i], 0)) return false;
    for (const auto* boxes : {&sheet_.blocked, &dimensionTexts_})
      for (const Box2& box : *boxes)
        if (SegmentHitsBox(tip, end, box, 0)) return false;
    for (const auto* others : {&placed_, &row})
      for (const PlacedMark& other : *others) {
        if (&other == &mark) continue;
        if (Overlap(circle, other.drawn.textBox, kClearanceMm / 2) && others == &placed_) return false;
        if (SegmentsCross(tip, end, other.at.tip, Leaderend(other.drawn))) return false;
        if (DistanceToSegment(other.drawn.arcs.front().centre, tip, end) < radius_) return false;
      }
    return true;
  }

  // The marks of one side of one view on one row; the indices of those left unplaced.
  std::vector<size_t> PlaceGroup(const std::vector<Member>& group, Side side) {
    std::vector<size_t> order(group.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    const int axis = AxisAlong(side), out = Outward(side);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return AlongOf(axis, group[a].at->tip) < AlongOf(axis, group[b].at->tip); });
    const Box2* view = ViewBox(group.front().at->viewPid);
    std::vector<size_t> all(group.size());
    for (size_t i = 0; i < all.size(); ++i) all[i] = i;
    if (!view) return all;
    // Along the row: each balloon at its tip, pushed apart, kept inside the frame.
    const double spacing = 2 * radius_ + kBalloonGapMm;
    const double lo = (axis == 0 ? sheet_.frame.xmin : sheet_.frame.ymin) + radius_ + kClearanceMm;
    const double hi = (axis == 0 ? sheet_.frame.xmax : sheet_.frame.ymax) - radius_ - kClearanceMm;
    std::vector<double> along(order.size());
    for (size_t k = 0; k < order.size(); ++k)
      along[k] = std::max(k ? along[k - 1] + spacing : lo, AlongOf(axis, group[order[k]].at->tip));
    for (size_t k = order.size(); k-- > 0;) along[k] = std::min(along[k], k + 1 < order.size() ? along[k + 1] - spacing : hi);
    if (along.front() < lo) return all;

    const double start = std::max(kFirstRowMm, DimensionReach(group.front().at->viewPid, *view, side) + 2 * kClearanceMm);
    std::vector<PlacedMark> bestRow;
    std::vector<bool> bestClear;
    std::vector<size_t> bestMembers;
    size_t bestFailures = group.size() + 1;
    for (int k = 0; k < kRowTries && bestFailures > 0; ++k) {
      const double across = EdgeOf(*view, side) + out * (start + radius_ + k * kRowStepMm);
      std::vector<size_t> slotOf(order.size());  // slot k holds group[order[slotOf[k]]]
      for (size_t i = 0; i < slotOf.size(); ++i) slotOf[i] = i;
      Uncross(group, order, slotOf, along, axis, across);
      std::vector<PlacedMark> row;
      std::vector<size_t> members;
      for (size_t s = 0; s < slotOf.size(); ++s) {
        members.push_back(order[slotOf[s]]);
        const Member& m = group[members.back()];
        row.push_back({*m.target, *m.at, BalloonGraphics(m.at->tip, AxisPoint(axis, along[s], across), radius_)});
      }
      std::vector<bool> clear;
      size_t failures = 0;
      for (const PlacedMark& mark : row) {
        clear.push_back(Clear(mark, row));
        failures += clear.back() ? 0 : 1;
      }
      if (failures < bestFailures) {
        bestFailures = failures;
        bestRow = std::move(row);
        bestClear = std::move(clear);
        bestMembers = std::move(members);
      }
    }
    std::vector<size_t> failed;
    for (size_t s = 0; s < bestRow.size(); ++s) {
      if (bestClear[s]) {
        placed_.push_back(bestRow[s]);
        continue;
      }
      failed.push_back(bestMembers[s]);
    }
    return failed;
  }

  // Exchanges the slots of marks whose leaders cross until none do. Each exchange makes
  // the two leaders shorter together, so the loop ends; the bound is only a guard.
  static void Uncross(const std::vector<Member>& group, const std::vector<size_t>& order,
                      std::vector<size_t>& slotOf, const std::vector<double>& along, int axis, double across) {
    const size_t n = slotOf.size();
    for (size_t guard = 0; guard < 4 * n * n + 4; ++guard) {
      bool swapped = false;
      for (size_t a = 0; a < n && !swapped; ++a)
        for (size_t b = a + 1; b < n && !swapped; ++b)
          if (SegmentsCross(group[order[slotOf[a]]].at->tip, AxisPoint(axis, along[a], across), group[order[slotOf[b]]].at->tip,
                            AxisPoint(axis, along[b], across))) {
            std::swap(slotOf[a], slotOf[b]);
            swapped = true;
          }
      if (!swapped) return;
    }
  }

  const SheetObstacles& sheet_;
  const std::vector<PlacedDimension>& dimensions_;
  double radius_;
  std::vector<Box2> dimensionTexts_, dimensionLines_;
  std::vector<PlacedMark> placed_;
};

}  // namespace

DimensionGraphics BalloonGraphics(Point2 tip, Point2 centre, double radius) {
  DimensionGraphics g;
  const double dx = tip.x - centre.x, dy = tip.y - centre.y, length = std::hypot(dx, dy);
  const Point2 rim = length > 0 ? Point2{centre.x + radius * dx / length, centre.y + radius * dy / length} : centre;
  g.lines.push_back({tip, rim});
  g.arcs.push_back({centre, radius, 0, 2 * std::numbers::pi});
  g.arrows.push_back({tip, std::atan2(dy, dx)});
  g.measured[0] = g.measured[1] = tip;
  g.textAt = {centre.x, centre.y - kBaselineBelowCentre * g.textHeight};
  g.textBox.Add(Point2{centre.x - radius, centre.y - radius});
  g.textBox.Add(Point2{centre.x + radius, centre.y + radius});
  return g;
}

MarkPlacement PlaceMarks(const std::vector<MarkTarget>& targets, const SheetObstacles& sheet,
                         const std::vector<PlacedDimension>& dimensions) {
  double radius = kMinBalloonRadiusMm;
  for (const MarkTarget& t : targets) radius = std::max(radius, TextWidth(t.text, kDimensionTextMm) / 2 + kClearanceMm);
  return MarkPlacer(sheet, dimensions, radius).Place(targets);
}

std::vector<std::string> CrossingLeaders(const std::vector<PlacedMark>& marks) {
  std::vector<std::string> problems;
  for (size_t i = 0; i < marks.size(); ++i)
    for (size_t j = 0; j < marks.size(); ++j) {
      if (i == j) continue;
      const PlacedMark &a = marks[i], &b = marks[j];
      const Arc2& circle = b.drawn.arcs.front();
      if (j > i && SegmentsCross(a.at.tip, Leaderend(a.drawn), b.at.tip, Leaderend(b.drawn)))
        problems.push_back("the leaders of part marks " + a.target.text + " and " + b.target.text + " cross");
      if (DistanceToSegment(circle.centre, a.at.tip, Leaderend(a.drawn)) < circle.radius)
        problems.push_back("the leader of part mark " + a.target.text + " runs through the balloon of " + b.target.text);
    }
  return problems;
}

}  // namespace platform::drafting
