#include "platform/drafting/edges_to_curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <BRepAdaptor_Curve.hxx>
#include <BndLib_Add3dCurve.hxx>
#include <Bnd_Box.hxx>
#include <GCPnts_TangentialDeflection.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

namespace platform::drafting {

namespace {

constexpr double kAngularDeflection = 0.1;  // radians between polyline segments, at most
// The chord is never finer than this share of the curve's extent: a full turn then takes
// a few thousand points at most, where a damaged curve millions of kilometres across would
// take billions at the sheet's chord.
constexpr double kChordPerExtent = 1e-6;

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

// Largest side of the curve's box; infinite when the curve or its range is not finite.
double Extent(const BRepAdaptor_Curve& curve) {
  const double first = curve.FirstParameter(), last = curve.LastParameter();
  if (!std::isfinite(first) || !std::isfinite(last)) return HUGE_VAL;
  Bnd_Box box;
  BndLib_Add3dCurve::Add(curve, 0.0, box);
  if (box.IsVoid()) return 0.0;
  double x0, y0, z0, x1, y1, z1;
  box.Get(x0, y0, z0, x1, y1, z1);
  const double extent = std::max({x1 - x0, y1 - y0, z1 - z0});
  return std::isfinite(extent) ? extent : HUGE_VAL;
}

Polyline2 ToPolyline(const BRepAdaptor_Curve& curve, double scale, double extent) {
  const double chord = std::max(kPolylineChordMm / scale, extent * kChordPerExtent);
  GCPnts_TangentialDeflection points(curve, kAngularDeflection, chord);
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
        // A curve without a finite extent has no drawing; the rest of the view has.
        if (const double extent = Extent(curve); std::isfinite(extent))
          out.push_back(ToPolyline(curve, scale, extent));
        break;
    }
  }
}

}  // namespace platform::drafting
