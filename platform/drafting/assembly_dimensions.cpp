#include "platform/drafting/assembly_dimensions.h"

#include <algorithm>
#include <cmath>

#include "platform/assemblies/located_shape.h"
#include "platform/drafting/part_dimensions.h"
#include "platform/text/gbk.h"

namespace platform::drafting {

namespace {

constexpr double kSameMm = 0.05;  // model mm: positions that print alike are one


const ViewFrame* Showing(const std::vector<ViewFrame>& frames, int axis) {
  for (const ViewFrame& f : frames)
    if (f.ScreenAxisOf(axis) >= 0) return &f;
  return nullptr;
}

Proposal Make(const ViewFrame& f, DimensionKind kind, double value, std::vector<Side> sides, const std::string& what) {
  Proposal p;
  p.viewPid = f.view->pid;
  p.kind = kind;
  p.shape = kind == DimensionKind::Running ? ProposalShape::Running : ProposalShape::Linear;
  p.value = value;
  p.text = MmText(value);
  p.sides = std::move(sides);
  p.what = what + " on " + text::ToUtf8Lossy(f.view->name);
  return p;
}

}  // namespace

std::vector<Proposal> ProposeAssemblyDimensions(const std::vector<Object*>& shown, const std::vector<ViewFrame>& frames,
                                                bool memberPositions) {
  std::vector<Box> boxes;
  Box all;
  for (Object* body : shown) {
    boxes.push_back(LocatedAxisBox(*body));
    for (int axis = 0; axis < 3; ++axis) {
      all.min[axis] = boxes.size() == 1 ? boxes.back().min[axis] : std::min(all.min[axis], boxes.back().min[axis]);
      all.max[axis] = boxes.size() == 1 ? boxes.back().max[axis] : std::max(all.max[axis], boxes.back().max[axis]);
    }
  }
  std::vector<Proposal> out;
  if (boxes.empty()) return out;
  const auto size = all.Size();
  const double largest = std::max({size[0], size[1], size[2]});
  int chain = 0;
  for (int axis = 0; axis < 3; ++axis) {
    const ViewFrame* f = Showing(frames, axis);
    if (!f) continue;
    const int s = f->ScreenAxisOf(axis);
    const Box2 box = BoxIn(*f, all.min, all.max);
    const double datum = s == 0 ? box.xmin : box.ymin, across = s == 0 ? box.ymin : box.xmin;
    Proposal overall = Make(*f, DimensionKind::Linear, size[axis], SidesFor(*f, s), "overall size " + MmText(size[axis]));
    overall.a = AxisPoint(s, datum, across);
    overall.b = AxisPoint(s, s == 0 ? box.xmax : box.ymax, across);
    overall.fromOutline = true;
    out.push_back(overall);
    if (!memberPositions) continue;
    // Each main member's near end or edge, from the datum; the datum itself and the far
    // end (the overall size) are not repeated.
    std::vector<std::pair<double, Point2>> stops;
    for (const Box& member : boxes) {
      const auto extent = member.Size();
      if (std::max({extent[0], extent[1], extent[2]}) < kMainMemberShare * largest) continue;
      const Box2 drawn = BoxIn(*f, member.min, member.max);
      const double near = s == 0 ? drawn.xmin : drawn.ymin;
      const double mm = (near - datum) / f->scale;
      if (mm < kSameMm || size[axis] - mm < kSameMm) continue;
      stops.push_back({mm, AxisPoint(s, near, s == 0 ? drawn.ymin : drawn.xmin)});
    }
    std::sort(stops.begin(), stops.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    // A stop whose text would touch the one before on the sheet (members side by side)
    // is left out: the first of them gives the position.
    const double apartMm = (kDimensionTextMm + 2 * kClearanceMm) / f->scale;
    stops.erase(std::unique(stops.begin(), stops.end(),
                            [&](const auto& a, const auto& b) { return b.first - a.first < std::max(kSameMm, apartMm); }),
                stops.end());
    for (const auto& [mm, at] : stops) {
      Proposal p = Make(*f, DimensionKind::Running, mm, SidesFor(*f, s), "member positions");
      p.a = AxisPoint(s, datum, across);
      p.b = at;
      p.chain = chain;
      out.push_back(p);
    }
    ++chain;
  }
  return out;
}

}  // namespace platform::drafting
