#include "platform/drafting/polygonal_segments.h"

#include <cmath>

#include <HLRAlgo_EdgeIterator.hxx>
#include <HLRAlgo_EdgeStatus.hxx>
#include <TopoDS_Shape.hxx>

namespace platform::drafting {

namespace {

// Segments shorter than this (sheet mm) are dropped; bends smaller than this keep a line.
constexpr double kShortestMm = 1e-6;
constexpr double kStraightMm = 1e-6;

// Extends the last line when the new one starts at its end and runs on in its direction.
void AddSegment(std::vector<Curve2>& curves, Point2 a, Point2 b) {
  if (std::hypot(b.x - a.x, b.y - a.y) <= kShortestMm) return;
  if (!curves.empty()) {
    if (auto* last = std::get_if<Line2>(&curves.back())) {
      const double dx = last->end.x - last->start.x, dy = last->end.y - last->start.y;
      const double length = std::hypot(dx, dy);
      const bool joined = std::hypot(a.x - last->end.x, a.y - last->end.y) <= kShortestMm;
      const double offset = std::abs((b.x - last->start.x) * dy - (b.y - last->start.y) * dx) / length;
      const bool onwards = (b.x - a.x) * dx + (b.y - a.y) * dy > 0;
      if (joined && onwards && offset <= kStraightMm) {
        last->end = b;
        return;
      }
    }
  }
  curves.push_back(Line2{a, b});
}

}  // namespace

void AppendPolygonalSegments(const Handle(HLRBRep_PolyAlgo)& algo, double scale, ViewContent& content) {
  const gp_Trsf& toView = algo->Projector().Transformation();
  HLRAlgo_EdgeStatus status;
  TopoDS_Shape shape;
  HLRAlgo_EdgeIterator parts;
  bool smooth, sewn, outline, internal;
  for (algo->InitHide(); algo->MoreHide(); algo->NextHide()) {
    const HLRAlgo_BiPoint::PointsT& points = algo->Hide(status, shape, smooth, sewn, outline, internal);
    // Sharp edges and outlines (the polygonal algorithm finds a curved face's outline
    // inside the face); tangent edges between smooth faces are not drawn.
    if (!internal && smooth && !outline) continue;
    gp_XYZ start = points.Pnt1, end = points.Pnt2;
    toView.Transforms(start);
    toView.Transforms(end);
    const Point2 a{start.X() * scale, start.Y() * scale};
    const Point2 d{(end.X() - start.X()) * scale, (end.Y() - start.Y()) * scale};
    double from, to;
    float fromTolerance, toTolerance;
    for (parts.InitVisible(status); parts.MoreVisible(); parts.NextVisible()) {
      parts.Visible(from, fromTolerance, to, toTolerance);
      AddSegment(content.visible, {a.x + from * d.x, a.y + from * d.y}, {a.x + to * d.x, a.y + to * d.y});
    }
    for (parts.InitHidden(status); parts.MoreHidden(); parts.NextHidden()) {
      parts.Hidden(from, fromTolerance, to, toTolerance);
      AddSegment(content.hidden, {a.x + from * d.x, a.y + from * d.y}, {a.x + to * d.x, a.y + to * d.y});
    }
  }
}

}  // namespace platform::drafting
