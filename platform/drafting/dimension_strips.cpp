#include "platform/drafting/dimension_strips.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace platform::drafting {

namespace {

constexpr double kAngleRadiiMm[] = {10, 14, 18, 24};
constexpr double kChainClearanceMm = 0.2;

bool Overlap(const Box2& a, const Box2& b, double clearance) {
  return !a.empty && !b.empty && a.xmin < b.xmax + clearance && b.xmin < a.xmax + clearance &&
         a.ymin < b.ymax + clearance && b.ymin < a.ymax + clearance;
}

bool Inside(const Box2& inner, const Box2& outer) {
  return inner.xmin >= outer.xmin && inner.xmax <= outer.xmax && inner.ymin >= outer.ymin && inner.ymax <= outer.ymax;
}

Box2 BoxOf(const Line2& line) {
  Box2 box;
  box.Add(line.start);
  box.Add(line.end);
  return box;
}

Point2 WithAcross(int axis, Point2 p, double across) { return axis == 0 ? Point2{p.x, across} : Point2{across, p.y}; }

// Proposals placed together: one dimension, or the stops of one running chain.
struct Unit {
  std::vector<const Proposal*> members;
  double span = 0, position = 0;
};

std::vector<Unit> Units(const std::vector<Proposal>& proposals) {
  std::vector<Unit> units;
  std::map<int, size_t> chains;
  for (const Proposal& p : proposals) {
    if (p.chain >= 0 && chains.count(p.chain)) {
      units[chains[p.chain]].members.push_back(&p);
      continue;
    }
    if (p.chain >= 0) chains[p.chain] = units.size();
    units.push_back({{&p}, 0, 0});
  }
  for (Unit& u : units) {
    const int axis = u.members.front()->sides.empty() ? 0 : AxisAlong(u.members.front()->sides.front());
    double lo = 1e300, hi = -1e300;
    for (const Proposal* p : u.members)
      for (Point2 q : {p->a, p->b}) {
        lo = std::min(lo, AlongOf(axis, q));
        hi = std::max(hi, AlongOf(axis, q));
      }
    u.span = hi - lo;
    u.position = lo;
  }
  // Shorter spans nearer the view; leaders and angles after the rows of dimensions.
  std::stable_sort(units.begin(), units.end(), [](const Unit& a, const Unit& b) {
    const bool la = a.members.front()->shape == ProposalShape::Leader || a.members.front()->shape == ProposalShape::Angle;
    const bool lb = b.members.front()->shape == ProposalShape::Leader || b.members.front()->shape == ProposalShape::Angle;
    if (la != lb) return lb;
    if (std::abs(a.span - b.span) > 1e-6) return a.span < b.span;
    return a.position < b.position;
  });
  return units;
}

class Placer {
public:
  explicit Placer(const SheetObstacles& sheet) : sheet_(sheet) {}

  Placement Place(const std::vector<Proposal>& proposals) {
    Placement result;
    for (const Unit& unit : Units(proposals)) {
      if (!PlaceUnit(unit, result))
        for (const Proposal* p : unit.members)
          if (std::find(result.unplaced.begin(), result.unplaced.end(), p->what) == result.unplaced.end())
            result.unplaced.push_back(p->what);
    }
    return result;
  }

private:
  const Box2* ViewBox(std::uint32_t pid) const {
    for (size_t i = 0; i < sheet_.viewPids.size(); ++i)
      if (sheet_.viewPids[i] == pid) return &sheet_.views[i];
    return nullptr;
  }

  // Clear of everything on the sheet and of the texts placed so far.
  bool Clear(const std::vector<PlacedDimension>& candidate, std::uint32_t ownView) const {
    std::vector<Box2> texts;
    for (const PlacedDimension& d : candidate) {
      const Box2& box = d.drawn.textBox;
      if (!Inside(box, sheet_.frame)) return false;
      for (const Box2& view : sheet_.views)
        if (Overlap(box, view, kClearanceMm)) return false;
      for (const Box2& blocked : sheet_.blocked)
        if (Overlap(box, blocked, kClearanceMm)) return false;
      for (const Box2& other : placedTexts_)
        if (Overlap(box, other, kClearanceMm)) return false;
      // Stops of one running chain stand side by side: their boxes include the
      // descenders, so they may all but touch.
      for (const Box2& other : texts)
        if (Overlap(box, other, kChainClearanceMm)) return false;
      texts.push_back(box);
      for (const Line2& line : d.drawn.lines) {
        const Box2 lineBox = BoxOf(line);
        if (!Inside(lineBox, sheet_.frame)) return false;
        for (const Box2& blocked : sheet_.blocked)
          if (Overlap(lineBox, blocked, 0)) return false;
        for (size_t i = 0; i < sheet_.views.size(); ++i)
          if (sheet_.viewPids[i] != ownView && Overlap(lineBox, sheet_.views[i], 0)) return false;
      }
    }
    return true;
  }

  std::vector<PlacedDimension> Draw(const Unit& unit, Side side, double lineAt, const Box2& view) const {
    std::vector<PlacedDimension> drawn;
    const int axis = AxisAlong(side);
    const double edge = EdgeOf(view, side);
    for (const Proposal* p : unit.members) {
      // A running dimension's datum is an end or edge of the part: on the outline.
      const bool datumOnOutline = p->fromOutline || p->shape == ProposalShape::Running;
      const Point2 a = datumOnOutline ? WithAcross(axis, p->a, edge) : p->a;
      const Point2 b = p->fromOutline ? WithAcross(axis, p->b, edge) : p->b;
      DimensionGraphics g;
      switch (p->shape) {
        case ProposalShape::Linear: g = LinearGraphics(a, b, side, lineAt, p->text); break;
        case ProposalShape::Running: g = RunningGraphics(a, b, side, lineAt, p->text); break;
        case ProposalShape::Leader: {
          // At 45 degrees out of the view, then the shoulder away from it.
          const double rise = std::abs(lineAt - AlongOf(1 - axis, a));
          const bool right = side != Side::Left;
          const Point2 elbow = axis == 0 ? Point2{a.x + (right ? rise : -rise), lineAt}
                                         : Point2{lineAt, a.y + rise};
          g = LeaderGraphics(a, p->centre, elbow, right, p->text);
          break;
        }
        case ProposalShape::Angle: break;
      }
      drawn.push_back({*p, g});
    }
    return drawn;
  }

  bool PlaceAngle(const Proposal& p, Placement& result) {
    for (double radius : kAngleRadiiMm) {
      std::vector<PlacedDimension> d{{p, AngleGraphics(p.a, p.from, p.to, radius, p.text)}};
      // The rays' extensions, from the vertex to just past the arc.
      for (double angle : {p.from, p.to})
        d[0].drawn.lines.push_back({p.a, {p.a.x + (radius + kExtensionOvershootMm) * std::cos(angle),
                                          p.a.y + (radius + kExtensionOvershootMm) * std::sin(angle)}});
      if (Clear(d, p.viewPid)) {
        Commit(d, result);
        return true;
      }
    }
    return false;
  }

  bool PlaceUnit(const Unit& unit, Placement& result) {
    const Proposal& first = *unit.members.front();
    if (first.shape == ProposalShape::Angle) return PlaceAngle(first, result);
    const Box2* view = ViewBox(first.viewPid);
    if (!view) return false;
    for (Side side : first.sides) {
      const int out = Outward(side);
      // A strip narrower than a first row and its text holds nothing: the A4 part sheets'
      // views start 4 mm inside the frame's wide left margin.
      if (out * (EdgeOf(sheet_.frame, side) - EdgeOf(*view, side)) < kFirstRowMm + kDimensionTextMm) continue;
      auto [it, fresh] = rows_.try_emplace({first.viewPid, static_cast<int>(side)});
      Row& row = it->second;
      if (fresh) row.boundary = EdgeOf(*view, side);
      // A row that does not fit may still leave room further out for a smaller one: try
      // the next two rows before giving the side up.
      for (int extra = 0; extra < 3; ++extra) {
        double lineAt = (row.used ? row.lastLine + out * kRowSpacingMm : EdgeOf(*view, side) + out * kFirstRowMm) +
                        out * extra * kRowSpacingMm;
        // Texts set on the view's side of their line (under a bottom row, left of a right
        // one) keep clear of the rows inside.
        const double inner = InnerReach(Draw(unit, side, lineAt, *view), side, lineAt);
        if (out * (lineAt - row.boundary) < inner + kClearanceMm) lineAt = row.boundary + out * (inner + kClearanceMm);
        std::vector<PlacedDimension> d = Draw(unit, side, lineAt, *view);
        if (!Clear(d, first.viewPid)) continue;
        double reach = kExtensionOvershootMm;
        for (const PlacedDimension& one : d) reach = std::max(reach, OuterReach(one.drawn, side, lineAt));
        row = {true, lineAt, lineAt + out * reach};
        Commit(d, result);
        return true;
      }
    }
    return false;
  }

  // How far the texts reach from their line towards the view.
  static double InnerReach(const std::vector<PlacedDimension>& d, Side side, double lineAt) {
    double inner = 0;
    for (const PlacedDimension& one : d) {
      const Box2& box = one.drawn.textBox;
      const double edge = AxisAlong(side) == 0 ? (Outward(side) > 0 ? box.ymin : box.ymax)
                                               : (Outward(side) > 0 ? box.xmin : box.xmax);
      inner = std::max(inner, Outward(side) * (lineAt - edge));
    }
    return inner;
  }

  void Commit(const std::vector<PlacedDimension>& d, Placement& result) {
    for (const PlacedDimension& one : d) {
      placedTexts_.push_back(one.drawn.textBox);
      result.placed.push_back(one);
    }
  }

  const SheetObstacles& sheet_;
  std::vector<Box2> placedTexts_;
  // Per view and side: the last row's line and the outermost extent drawn so far.
  struct Row {
    bool used = false;
    double lastLine = 0, boundary = 0;
  };
  std::map<std::pair<std::uint32_t, int>, Row> rows_;
};

}  // namespace

Placement PlaceInStrips(const std::vector<Proposal>& proposals, const SheetObstacles& sheet) {
  return Placer(sheet).Place(proposals);
}

std::vector<std::string> CheckPlacement(const std::vector<PlacedDimension>& placed, const SheetObstacles& sheet) {
  std::vector<std::string> problems;
  for (size_t i = 0; i < placed.size(); ++i) {
    const Box2& box = placed[i].drawn.textBox;
    const std::string name = "\"" + placed[i].proposal.text + "\"";
    if (!Inside(box, sheet.frame)) problems.push_back(name + " leaves the frame");
    for (const Box2& view : sheet.views)
      if (Overlap(box, view, 0)) problems.push_back(name + " lies over a view");
    for (const Box2& blocked : sheet.blocked)
      if (Overlap(box, blocked, 0)) problems.push_back(name + " lies over the title block or a text");
    for (size_t j = 0; j < i; ++j)
      if (Overlap(box, placed[j].drawn.textBox, 0))
        problems.push_back(name + " overlaps \"" + placed[j].proposal.text + "\"");
  }
  return problems;
}

}  // namespace platform::drafting
