// The 2D content of a drawing view: lines, exact arcs and circles, and polylines for
// everything else, in view coordinates (sheet millimetres, the projected model origin
// at 0,0), kept apart as visible and hidden edges.
#pragma once
#include <numbers>
#include <variant>
#include <vector>

namespace platform::drafting {

struct Point2 {
  double x = 0, y = 0;
};

struct Line2 {
  Point2 start, end;
};

// Counter-clockwise from startAngle to endAngle (radians, endAngle > startAngle);
// a full circle spans 2 pi.
struct Arc2 {
  Point2 centre;
  double radius = 0;
  double startAngle = 0, endAngle = 0;
  bool IsFullCircle() const;
  Point2 PointAt(double angle) const;
};

struct Polyline2 {
  std::vector<Point2> points;
};

using Curve2 = std::variant<Line2, Arc2, Polyline2>;

constexpr double kTwoPi = 2 * std::numbers::pi;

// A point's coordinate along a sheet axis (0: X, 1: Y), and the point `along` one axis
// and `across` the other.
inline double AlongOf(int axis, Point2 p) { return axis == 0 ? p.x : p.y; }
inline Point2 AxisPoint(int axis, double along, double across) {
  return axis == 0 ? Point2{along, across} : Point2{across, along};
}

// Axis-aligned extent; empty until something is added.
struct Box2 {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  bool empty = true;
  void Add(Point2 p);
  void Add(const Box2& other);
  void Add(const Curve2& curve);
  double Width() const { return empty ? 0 : xmax - xmin; }
  double Height() const { return empty ? 0 : ymax - ymin; }
  Point2 Centre() const { return {(xmin + xmax) / 2, (ymin + ymax) / 2}; }
};

// Curves closer than this (sheet mm) count as lying on each other.
inline constexpr double kCoincidenceMm = 0.005;

struct ViewContent {
  std::vector<Curve2> visible;
  std::vector<Curve2> hidden;
  Box2 box;  // of the visible and hidden edges
  // How far (sheet mm) a hidden stretch may lie from a visible edge and still be under
  // it: what the projection can be off by. Exact curves: kCoincidenceMm; curves read
  // from a mesh: the mesh's chord on the sheet, which scales with the view.
  double coincidenceMm = kCoincidenceMm;
};

}  // namespace platform::drafting
