#include "platform/drafting/part_dimensions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <BRep_Tool.hxx>

#include "platform/assemblies/located_shape.h"
#include "platform/base/host_error.h"
#include "platform/drafting/part_features.h"
#include "platform/drafting/sheet_drawing.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/view_frame.h"
#include "platform/text/gbk.h"

namespace platform::drafting {

namespace {

constexpr double kSameMm = 0.05;  // model mm: two positions that print alike are one

Box2 BoxIn(const ViewFrame& f, const PartFeatures& part) { return BoxIn(f, part.min, part.max); }

double Along(int axis, Point2 p) { return axis == 0 ? p.x : p.y; }

class Proposer {
public:
  Proposer(const DrawingSheet& sheet, const TopoDS_Shape& shape, const PartFeatures& part,
           const HoleFallbacks& fallbacks)
      : shape_(shape), part_(part), frames_(FramesOf(sheet)), elsewhere_(fallbacks.elsewhere),
        tabled_(fallbacks.tabled) {}

  PartProposals Run() {
    if (frames_.empty()) return {};
    if (part_.flatLength) {
      Bends();
      OverallSize(part_.bendAxis);  // the blank's other side, which the flat length does not give
    } else if (part_.slab || part_.freeform) {
      for (int axis = 0; axis < 3; ++axis) OverallSize(axis);
    } else if (!CutEnds()) {
      OverallSize(part_.lengthAxis);
    }
    for (const ViewFrame& f : frames_) {
      const size_t before = out_.size();
      if (tabled_.count(f.view->pid)) Tabled(f);
      else Holes(f);
      for (size_t i = before; i < out_.size(); ++i) out_[i].holesView = f.view->pid;
    }
    return {std::move(out_), std::move(tables_)};
  }

private:
  const ViewFrame* Looking(int axis) const {
    for (const ViewFrame& f : frames_)
      if (f.look == axis) return &f;
    return nullptr;
  }
  const ViewFrame* Showing(int axis) const {
    for (const ViewFrame& f : frames_)
      if (f.ScreenAxisOf(axis) >= 0) return &f;
    return nullptr;
  }

  static int AxisDrawnAlong(const ViewFrame& f, int s) {
    for (int axis = 0; axis < 3; ++axis)
      if (f.ScreenAxisOf(axis) == s) return axis;
    return -1;
  }
  const ViewFrame* OtherShowing(const ViewFrame& f, int axis) const {
    for (const ViewFrame& g : frames_)
      if (g.view != f.view && axis >= 0 && g.ScreenAxisOf(axis) >= 0) return &g;
    return nullptr;
  }

  Proposal Make(const ViewFrame& f, DimensionKind kind, ProposalShape shape, double value, std::string text,
                std::vector<Side> sides, std::string what) {
    Proposal p;
    p.viewPid = f.view->pid;
    p.kind = kind;
    p.shape = shape;
    p.value = value;
    p.text = std::move(text);
    p.sides = std::move(sides);
    p.what = std::move(what) + " on " + text::ToUtf8Lossy(f.view->name);
    return p;
  }

  void OverallSize(int axis) {
    const ViewFrame* f = Showing(axis);
    if (!f) return;
    const int s = f->ScreenAxisOf(axis);
    const Box2 box = BoxIn(*f, part_);
    const double extent = part_.Extent(axis);
    Proposal p = Make(*f, DimensionKind::Linear, ProposalShape::Linear, extent, MmText(extent), SidesFor(*f, s),
                      "overall size " + MmText(extent));
    p.a = AxisPoint(s, s == 0 ? box.xmin : box.ymin, s == 0 ? box.ymin : box.xmin);
    p.b = AxisPoint(s, s == 0 ? box.xmax : box.ymax, s == 0 ? box.ymin : box.xmin);
    p.fromOutline = true;
    out_.push_back(p);
  }

  // Positions of the holes a view shows round, along one screen axis, from the view's
  // left end or bottom edge; equally spaced positions (three or more) as one pitch.
  void Positions(const ViewFrame& f, int s, const std::vector<Point2>& centres) {
    const Box2 box = BoxIn(f, part_);
    const double datum = s == 0 ? box.xmin : box.ymin;
    std::vector<double> at;
    for (Point2 c : centres) at.push_back(Along(s, c));
    std::sort(at.begin(), at.end());
    at.erase(std::unique(at.begin(), at.end(), [&](double a, double b) { return (b - a) / f.scale < kSameMm; }), at.end());
    const double across = s == 0 ? box.ymin : box.xmin;
    const std::vector<Side> sides = SidesFor(f, s);
    const char* direction = s == 0 ? "horizontal" : "vertical";
    bool pitched = at.size() >= 3;
    for (size_t i = 2; pitched && i < at.size(); ++i)
      pitched = std::abs((at[i] - at[i - 1]) - (at[1] - at[0])) / f.scale < kSameMm;
    const int chain = nextChain_++;
    const size_t stops = pitched ? 1 : at.size();
    for (size_t i = 0; i < stops; ++i) {
      const double mm = (at[i] - datum) / f.scale;
      Proposal p = Make(f, DimensionKind::Running, ProposalShape::Running, mm, MmText(mm), sides,
                        std::string(direction) + " hole positions");
      p.a = AxisPoint(s, datum, across);
      p.b = AxisPoint(s, at[i], across);
      // The stop's extension line starts at a hole on that line.
      for (Point2 c : centres)
        if (std::abs(Along(s, c) - at[i]) / f.scale < kSameMm) p.b = c;
      p.chain = chain;
      p.positionsAxis = s;
      out_.push_back(p);
    }
    if (!pitched) return;
    const int gaps = static_cast<int>(at.size()) - 1;
    const double pitch = (at[1] - at[0]) / f.scale, total = (at.back() - at.front()) / f.scale;
    Proposal p = Make(f, DimensionKind::Linear, ProposalShape::Linear, pitch,
                      std::to_string(gaps) + "×" + MmText(pitch) + "=" + MmText(total), sides,
                      std::string(direction) + " hole pitch");
    p.count = gaps;
    p.positionsAxis = s;
    p.a = AxisPoint(s, at.front(), across);
    p.b = AxisPoint(s, at.back(), across);
    for (Point2 c : centres) {
      if (std::abs(Along(s, c) - at.front()) / f.scale < kSameMm) p.a = c;
      if (std::abs(Along(s, c) - at.back()) / f.scale < kSameMm) p.b = c;
    }
    out_.push_back(p);
  }

  void Holes(const ViewFrame& f) {
    std::vector<Point2> centres;
    std::vector<gp_Pnt> model;
    for (const HoleGroup& group : part_.holes) {
      if (group.axis != f.look) continue;
      std::vector<Point2> mine;
      for (const gp_Pnt& c : group.centres) mine.push_back(f.At(c));
      model.insert(model.end(), group.centres.begin(), group.centres.end());
      centres.insert(centres.end(), mine.begin(), mine.end());
      // The diameter once, from the top right hole of the group.
      const Point2 top = *std::max_element(mine.begin(), mine.end(), [](Point2 a, Point2 b) {
        return std::abs(a.y - b.y) > 1e-6 ? a.y < b.y : a.x < b.x;
      });
      const int n = static_cast<int>(group.centres.size());
      const std::string text = (n > 1 ? std::to_string(n) + "×" : "") + "⌀" + MmText(group.diameter);
      Proposal p = Make(f, DimensionKind::Diameter, ProposalShape::Leader, group.diameter, text,
                        {Side::Top, Side::Bottom}, "diameter " + text);
      p.count = n;
      const double r = group.diameter / 2 * f.scale;
      p.a = p.b = {top.x + r * std::cos(std::numbers::pi / 4), top.y + r * std::sin(std::numbers::pi / 4)};
      p.centre = top;
      out_.push_back(p);
    }
    if (centres.empty()) return;
    for (int s = 0; s < 2; ++s) {
      const ViewFrame* other = elsewhere_.count({f.view->pid, s}) ? OtherShowing(f, AxisDrawnAlong(f, s)) : nullptr;
      if (!other) {
        Positions(f, s, centres);
        continue;
      }
      std::vector<Point2> there;
      for (const gp_Pnt& c : model) there.push_back(other->At(c));
      Positions(*other, other->ScreenAxisOf(AxisDrawnAlong(f, s)), there);
    }
  }

  // The holes the view shows round, for its hole table: from the part's left end and
  // bottom edge as the view draws them.
  void Tabled(const ViewFrame& f) {
    const Box2 box = BoxIn(f, part_);
    TabledHoles table{f.view->pid, {box.xmin, box.ymin}, {}};
    for (const HoleGroup& group : part_.holes) {
      if (group.axis != f.look) continue;
      TabledGroup tabled{group.diameter, {}};
      for (const gp_Pnt& c : group.centres) {
        const Point2 p = f.At(c);
        tabled.at.push_back({(p.x - box.xmin) / f.scale, (p.y - box.ymin) / f.scale});
      }
      table.groups.push_back(std::move(tabled));
    }
    if (!table.groups.empty()) tables_.push_back(std::move(table));
  }

  // The view that shows a cut end's angle: it looks along the axis square to both the
  // length and the end face's normal.
  bool CutEnds() {
    if (part_.cutEnds.empty()) return false;
    const ViewFrame* f = nullptr;
    for (int axis = 0; axis < 3 && !f; ++axis)
      if (axis != part_.lengthAxis && std::abs(part_.cutEnds.front().normal.Coord(axis + 1)) < 1e-6) f = Looking(axis);
    if (!f) return false;
    const int s = f->ScreenAxisOf(part_.lengthAxis);
    if (s < 0) return false;
    const int t = 1 - s;
    // The outline's corners: the two sides along the length, at either edge across it.
    std::vector<Point2> corners;
    for (TopExp_Explorer it(shape_, TopAbs_VERTEX); it.More(); it.Next())
      corners.push_back(f->At(BRep_Tool::Pnt(TopoDS::Vertex(it.Current()))));
    const Box2 box = BoxIn(*f, part_);
    const double lo = t == 0 ? box.xmin : box.ymin, hi = t == 0 ? box.xmax : box.ymax;
    const auto sideAt = [&](double across, double& from, double& to) {
      from = 1e300, to = -1e300;
      for (Point2 c : corners)
        if (std::abs(Along(t, c) - across) < 1e-6) {
          from = std::min(from, Along(s, c));
          to = std::max(to, Along(s, c));
        }
    };
    double lo0, lo1, hi0, hi1;
    sideAt(lo, lo0, lo1);
    sideAt(hi, hi0, hi1);
    if (lo0 > lo1 || hi0 > hi1) return false;
    const bool highLong = hi1 - hi0 >= lo1 - lo0;
    for (const bool high : {true, false}) {
      const double from = high ? hi0 : lo0, to = high ? hi1 : lo1, across = high ? hi : lo;
      const double mm = (to - from) / f->scale;
      const Side side = s == 0 ? (high ? Side::Top : Side::Bottom) : (high ? Side::Right : Side::Left);
      Proposal p = Make(*f, DimensionKind::Linear, ProposalShape::Linear, mm, MmText(mm), {side},
                        std::string(high == highLong ? "long" : "short") + " side " + MmText(mm));
      p.a = AxisPoint(s, from, across);
      p.b = AxisPoint(s, to, across);
      p.fromOutline = true;
      out_.push_back(p);
    }
    // Each cut end: the angle between the long side and the cut, at the long side's end.
    for (const bool atEnd : {false, true}) {
      const double hiEnd = atEnd ? hi1 : hi0, loEnd = atEnd ? lo1 : lo0;
      if (std::abs(hiEnd - loEnd) < 1e-6) continue;
      const bool highFurther = atEnd ? hiEnd > loEnd : hiEnd < loEnd;
      const Point2 vertex = AxisPoint(s, highFurther ? hiEnd : loEnd, highFurther ? hi : lo);
      const Point2 other = AxisPoint(s, highFurther ? loEnd : hiEnd, highFurther ? lo : hi);
      const double outward = (atEnd ? 0 : std::numbers::pi) + (s == 0 ? 0 : std::numbers::pi / 2);
      const double cut = std::atan2(vertex.y - other.y, vertex.x - other.x);
      double from = outward, to = cut;
      double span = std::remainder(to - from, 2 * std::numbers::pi);
      if (span < 0) std::swap(from, to), span = -span;
      if (to < from) to += 2 * std::numbers::pi;
      const double degrees = span * 180 / std::numbers::pi;
      Proposal p = Make(*f, DimensionKind::Angle, ProposalShape::Angle, degrees, MmText(degrees) + "°", {},
                        "cut angle " + MmText(degrees) + "°");
      p.a = p.b = vertex;
      p.from = from;
      p.to = to;
      out_.push_back(p);
    }
    return true;
  }

  // The developed length over the bent outline, and the bends from its left end (or
  // bottom edge), on the view looking along the bends.
  void Bends() {
    const ViewFrame* f = Looking(part_.bendAxis);
    if (!f) return;
    const Box2 box = BoxIn(*f, part_);
    const int s = box.Width() >= box.Height() ? 0 : 1;
    const std::vector<Side> sides = SidesFor(*f, s);
    Proposal flat = Make(*f, DimensionKind::Linear, ProposalShape::Linear, *part_.flatLength,
                         "展开长" + MmText(*part_.flatLength), sides, "flat length " + MmText(*part_.flatLength));
    flat.a = AxisPoint(s, s == 0 ? box.xmin : box.ymin, s == 0 ? box.ymin : box.xmin);
    flat.b = AxisPoint(s, s == 0 ? box.xmax : box.ymax, s == 0 ? box.ymin : box.xmin);
    flat.fromOutline = true;
    out_.push_back(flat);
    const double datum = s == 0 ? box.xmin : box.ymin;
    std::vector<Point2> at;
    for (const gp_Pnt& b : part_.bends) at.push_back(f->At(b));
    std::sort(at.begin(), at.end(), [&](Point2 a, Point2 b) { return Along(s, a) < Along(s, b); });
    at.erase(std::unique(at.begin(), at.end(),
                         [&](Point2 a, Point2 b) { return (Along(s, b) - Along(s, a)) / f->scale < kSameMm; }),
             at.end());
    const int chain = nextChain_++;
    for (Point2 bend : at) {
      const double mm = (Along(s, bend) - datum) / f->scale;
      Proposal p = Make(*f, DimensionKind::Running, ProposalShape::Running, mm, MmText(mm), sides, "bend positions");
      p.a = AxisPoint(s, datum, s == 0 ? box.ymin : box.xmin);
      p.b = bend;
      p.chain = chain;
      out_.push_back(p);
    }
  }

  TopoDS_Shape shape_;
  const PartFeatures& part_;
  std::vector<ViewFrame> frames_;
  const std::set<PositionsKey>& elsewhere_;
  const std::set<std::uint32_t>& tabled_;
  std::vector<Proposal> out_;
  std::vector<TabledHoles> tables_;
  int nextChain_ = 0;
};

}  // namespace

std::string MmText(double mm) {
  char text[32];
  const double tenths = std::round(mm * 10) / 10;
  if (std::abs(tenths - std::round(tenths)) < 1e-9) std::snprintf(text, sizeof text, "%.0f", tenths);
  else std::snprintf(text, sizeof text, "%.1f", tenths);
  return text;
}

PartProposals ProposePartDimensions(const DrawingSheet& sheet, Object& body, const HoleFallbacks& fallbacks) {
  const TopoDS_Shape shape = LocatedShape(body);
  const std::string label = text::ToUtf8Lossy(body.name.empty() ? "body " + std::to_string(body.GetTag()) : body.name);
  const PartFeatures part = ReadPartFeatures(shape, label);
  if (!(part.volume > 1e-9))
    throw HostError(HostStatus::NoGeometry, "sheet \"" + text::ToUtf8Lossy(sheet.name) + "\": body " + label +
                                                " has no volume, so it has no sizes to give");
  return Proposer(sheet, shape, part, fallbacks).Run();
}

}  // namespace platform::drafting
