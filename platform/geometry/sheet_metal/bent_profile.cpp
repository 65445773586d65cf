// Bent sections built from exact lines and arcs, so the walls come out planar and the
// bends cylindrical rather than approximated.
#include "platform/geometry/sheet_metal/bent_profile.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepOffsetAPI_MakePipe.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <gp_Ax2.hxx>
#include <gp_Circ.hxx>

namespace platform::sheet_metal {

namespace {

struct Point2 {
  double u = 0, v = 0;
};

// A straight piece (a to b) or an arc through m.
struct Segment {
  bool arc = false;
  Point2 a, m, b;
};

gp_Pnt InSectionPlane(const Point2& p) { return gp_Pnt(p.u, 0, p.v); }

Point2 Rotate(const Point2& p, const Point2& centre, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  const double du = p.u - centre.u, dv = p.v - centre.v;
  return {centre.u + c * du - s * dv, centre.v + s * du + c * dv};
}

void Check(const BentProfile& p) {
  if (p.thickness <= 0 || p.innerRadius <= 0)
    throw std::runtime_error("bent profile: thickness and inner radius must be positive");
  if (p.flats.size() != p.bendsDeg.size() + 1)
    throw std::runtime_error("bent profile: needs one flat more than bends (" + std::to_string(p.flats.size()) +
                             " flats, " + std::to_string(p.bendsDeg.size()) + " bends)");
  for (double flat : p.flats)
    if (flat < 0) throw std::runtime_error("bent profile: a flat has a negative length");
  for (double bend : p.bendsDeg)
    if (bend == 0 || std::abs(bend) >= 180)
      throw std::runtime_error("bent profile: bends must be between 0 and 180 degrees either way");
}

// The path run `offset` to the left of the mid-line (left of +X is +Z).
std::vector<Segment> OffsetPath(const BentProfile& p, double offset) {
  std::vector<Segment> path;
  Point2 at;
  double heading = 0;
  auto side = [&](const Point2& q, double h) {
    return Point2{q.u - offset * std::sin(h), q.v + offset * std::cos(h)};
  };
  for (size_t i = 0; i < p.flats.size(); ++i) {
    const Point2 next{at.u + p.flats[i] * std::cos(heading), at.v + p.flats[i] * std::sin(heading)};
    if (p.flats[i] > 0) path.push_back({false, side(at, heading), {}, side(next, heading)});
    at = next;
    if (i == p.bendsDeg.size()) break;
    const double angle = p.bendsDeg[i] * M_PI / 180;
    const double turn = angle > 0 ? 1 : -1;
    // The bend's centre lies on the side it turns to, at the mid-line radius.
    const Point2 centre{at.u - turn * p.MidRadius() * std::sin(heading),
                        at.v + turn * p.MidRadius() * std::cos(heading)};
    const Point2 start = side(at, heading);
    path.push_back({true, start, Rotate(start, centre, angle / 2), Rotate(start, centre, angle)});
    at = Rotate(at, centre, angle);
    heading += angle;
  }
  return path;
}

TopoDS_Edge MakeEdge(const Point2& a, const Point2& m, const Point2& b, bool arc) {
  if (!arc) return BRepBuilderAPI_MakeEdge(InSectionPlane(a), InSectionPlane(b)).Edge();
  GC_MakeArcOfCircle curve(InSectionPlane(a), InSectionPlane(m), InSectionPlane(b));
  if (!curve.IsDone()) throw std::runtime_error("bent profile: a bend arc could not be made");
  return BRepBuilderAPI_MakeEdge(curve.Value()).Edge();
}

}  // namespace

TopoDS_Shape BuildBentSection(const BentProfile& profile, double width) {
  Check(profile);
  if (width <= 0) throw std::runtime_error("bent profile: width must be positive");
  const auto left = OffsetPath(profile, profile.thickness / 2);
  const auto right = OffsetPath(profile, -profile.thickness / 2);
  // Round the section: out along one face, across the end, back along the other face.
  BRepBuilderAPI_MakeWire wire;
  for (const Segment& s : left) wire.Add(MakeEdge(s.a, s.m, s.b, s.arc));
  wire.Add(MakeEdge(left.back().b, {}, right.back().b, false));
  for (auto s = right.rbegin(); s != right.rend(); ++s) wire.Add(MakeEdge(s->b, s->m, s->a, s->arc));
  wire.Add(MakeEdge(right.front().a, {}, left.front().a, false));
  if (!wire.IsDone()) throw std::runtime_error("bent profile: the section does not close");
  BRepBuilderAPI_MakeFace face(wire.Wire(), true);
  if (!face.IsDone()) throw std::runtime_error("bent profile: the section is not planar");
  BRepPrimAPI_MakePrism prism(face.Face(), gp_Vec(0, width, 0));
  if (!prism.IsDone()) throw std::runtime_error("bent profile: extrusion failed");
  return prism.Shape();
}

TopoDS_Shape BuildBentRod(const BentProfile& profile) {
  Check(profile);
  BRepBuilderAPI_MakeWire spine;
  for (const Segment& s : OffsetPath(profile, 0)) spine.Add(MakeEdge(s.a, s.m, s.b, s.arc));
  if (!spine.IsDone()) throw std::runtime_error("bent rod: the path does not join up");
  const gp_Circ circle(gp_Ax2(gp_Pnt(0, 0, 0), gp_Dir(1, 0, 0)), profile.thickness / 2);
  BRepBuilderAPI_MakeWire rim(BRepBuilderAPI_MakeEdge(circle).Edge());
  BRepBuilderAPI_MakeFace disc(rim.Wire(), true);
  BRepOffsetAPI_MakePipe sweep(spine.Wire(), disc.Face());
  sweep.Build();
  if (!sweep.IsDone()) throw std::runtime_error("bent rod: sweep failed");
  return sweep.Shape();
}

}  // namespace platform::sheet_metal
