#include "platform/drafting/edges_to_curves.h"

#include <cmath>
#include <numbers>

#include <BRepAdaptor_Curve.hxx>
#include <GCPnts_TangentialDeflection.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

namespace platform::drafting {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kAngularDeflection = 0.1;  // radians between polyline segments, at most

Point2 Scaled(const gp_Pnt& p, double scale) { return {p.X() * scale, p.Y() * scale}; }

double AngleOf(const gp_Pnt& p, const gp_Pnt& centre) {
  double angle = std::atan2(p.Y() - centre.Y(), p.X() - centre.X());
  return angle < 0 ? angle + kTwoPi : angle;
}

// The circle may run clockwise in the view (its axis pointing away from the viewer);
// arcs are kept counter-clockwise, so such an arc runs from its last point to its first.
Arc2 ToArc(const BRepAdaptor_Curve& curve, double scale) {
  const gp_Circ circle = curve.Circle();
  const gp_Pnt centre = circle.Location();
  const double first = curve.FirstParameter(), last = curve.LastParameter();
  Arc2 arc;
  arc.centre = Scaled(centre, scale);
  arc.radius = circle.Radius() * scale;
  const double span = last - first;
  if (span >= kTwoPi - 1e-9) {
    arc.startAngle = 0;
    arc.endAngle = kTwoPi;
    return arc;
  }
  const bool counterClockwise = circle.Axis().Direction().Z() > 0;
  const gp_Pnt from = curve.Value(counterClockwise ? first : last);
  arc.startAngle = AngleOf(from, centre);
  arc.endAngle = arc.startAngle + span;
  return arc;
}

Polyline2 ToPolyline(const BRepAdaptor_Curve& curve, double scale) {
  GCPnts_TangentialDeflection points(curve, kAngularDeflection, kPolylineChordMm / scale);
  Polyline2 polyline;
  polyline.points.reserve(points.NbPoints());
  for (int i = 1; i <= points.NbPoints(); ++i)
    polyline.points.push_back(Scaled(points.Value(i), scale));
  return polyline;
}

}  // namespace

void AppendCurves(const TopoDS_Shape& edges, double scale, std::vector<Curve2>& out) {
  if (edges.IsNull()) return;
  for (TopExp_Explorer it(edges, TopAbs_EDGE); it.More(); it.Next()) {
    const BRepAdaptor_Curve curve(TopoDS::Edge(it.Current()));
    switch (curve.GetType()) {
      case GeomAbs_Line:
        out.push_back(Line2{Scaled(curve.Value(curve.FirstParameter()), scale),
                            Scaled(curve.Value(curve.LastParameter()), scale)});
        break;
      case GeomAbs_Circle:
        out.push_back(ToArc(curve, scale));
        break;
      default:
        out.push_back(ToPolyline(curve, scale));
        break;
    }
  }
}

}  // namespace platform::drafting
