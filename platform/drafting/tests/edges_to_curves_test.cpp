#include "platform/drafting/edges_to_curves.h"

#include <cmath>

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <TopoDS_Edge.hxx>
#include <gp_Elips.hxx>
#include <gtest/gtest.h>

using namespace platform::drafting;

namespace {

// The ellipse's points as one polyline, at the sheet scale 1.
Polyline2 Drawn(double major, double minor) {
  const gp_Elips ellipse(gp_Ax2(gp_Pnt(0, 0, 0), gp_Dir(0, 0, 1), gp_Dir(1, 0, 0)), major, minor);
  std::vector<Curve2> curves;
  AppendCurves(BRepBuilderAPI_MakeEdge(ellipse).Edge(), 1.0, curves);
  EXPECT_EQ(curves.size(), 1u);
  const auto* polyline = curves.empty() ? nullptr : std::get_if<Polyline2>(&curves.front());
  EXPECT_NE(polyline, nullptr);
  return polyline ? *polyline : Polyline2{};
}

// Distance from p to the ellipse, to first order: |F| / |grad F|.
double Off(const Point2& p, double a, double b) {
  const double f = p.x * p.x / (a * a) + p.y * p.y / (b * b) - 1;
  return std::abs(f) / std::hypot(2 * p.x / (a * a), 2 * p.y / (b * b));
}

}  // namespace

TEST(EdgesToCurves, AnEllipseIsDrawnWithinTheSheetChord) {
  const Polyline2 drawn = Drawn(50, 20);
  ASSERT_GE(drawn.points.size(), 20u);
  for (size_t i = 0; i < drawn.points.size(); ++i) {
    EXPECT_LT(Off(drawn.points[i], 50, 20), 1e-6);
    if (i == 0) continue;
    const Point2 mid{(drawn.points[i - 1].x + drawn.points[i].x) / 2, (drawn.points[i - 1].y + drawn.points[i].y) / 2};
    EXPECT_LE(Off(mid, 50, 20), kPolylineChordMm * 1.01) << i;
  }
}

// A damaged body's circle of radius 1e15 mm once took billions of points at the sheet's
// chord: the view ran for minutes. Its drawing is now a few thousand points on the curve.
TEST(EdgesToCurves, ACurveFarLargerThanAnyPartIsDrawnInFewPoints) {
  const double a = 1e15, b = 4e14;
  const Polyline2 drawn = Drawn(a, b);
  ASSERT_GE(drawn.points.size(), 20u);
  EXPECT_LE(drawn.points.size(), 10000u);
  for (const Point2& p : drawn.points) EXPECT_LT(Off(p, a, b) / a, 1e-9);
}
