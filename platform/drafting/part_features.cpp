#include "platform/drafting/part_features.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include <BRepAdaptor_Surface.hxx>
#include <BRepBndLib.hxx>
#include <BRepGProp.hxx>
#include <BRepLProp_SLProps.hxx>
#include <BRepTools.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>

#include "platform/base/host_error.h"
#include "platform/geometry/sheet_metal/flat_blank.h"

namespace platform::drafting {

namespace {

constexpr double kLengthTolerance = 0.01;   // mm: coaxial, same diameter, same position
constexpr double kDirectionTolerance = 1e-6;
constexpr double kSlabVolumeShare = 0.98;   // a slab's volume is its largest face × thickness

double Area(const TopoDS_Face& face) {
  GProp_GProps props;
  BRepGProp::SurfaceProperties(face, props);
  return props.Mass();
}

int ModelAxisOf(const gp_Dir& d) {
  for (int axis = 0; axis < 3; ++axis)
    if (std::abs(std::abs(d.Coord(axis + 1)) - 1) < kDirectionTolerance) return axis;
  return -1;
}

// The outward normal of a face at the middle of its parameter range.
gp_Dir NormalAt(const TopoDS_Face& face, gp_Pnt& at) {
  double u0, u1, v0, v1;
  BRepTools::UVBounds(face, u0, u1, v0, v1);
  BRepAdaptor_Surface surface(face);
  BRepLProp_SLProps props(surface, (u0 + u1) / 2, (v0 + v1) / 2, 1, 1e-9);
  at = props.Value();
  gp_Dir n = props.Normal();
  if (face.Orientation() == TopAbs_REVERSED) n.Reverse();
  return n;
}

// A cylindrical face: its axis, radius, swept angle, and whether the material lies
// outside it (a hole's wall) or inside (a bar's or pipe's outside).
struct CylinderFace {
  gp_Ax1 axis;
  double radius = 0, span = 0;
  bool concave = false;
};

CylinderFace ReadCylinder(const TopoDS_Face& face) {
  BRepAdaptor_Surface surface(face);
  const gp_Cylinder c = surface.Cylinder();
  double u0, u1, v0, v1;
  BRepTools::UVBounds(face, u0, u1, v0, v1);
  gp_Pnt at;
  const gp_Dir n = NormalAt(face, at);
  // From the axis to the point, square to the axis.
  const gp_Vec fromAxis(c.Axis().Location(), at);
  const gp_Vec axis(c.Axis().Direction());
  const gp_Vec radial = fromAxis - axis * fromAxis.Dot(axis);
  return {c.Axis(), c.Radius(), u1 - u0, radial.Magnitude() > 0 && gp_Vec(n).Dot(radial) < 0};
}

bool SameLine(const gp_Ax1& a, const gp_Ax1& b) {
  return a.Direction().IsParallel(b.Direction(), kDirectionTolerance) &&
         gp_Lin(a).Distance(b.Location()) < kLengthTolerance;
}

// Cylinders on one axis with one radius, their spans added: a hole split into two faces
// is one hole.
struct Cylinder {
  CylinderFace face;
  double span = 0;
};

std::vector<Cylinder> Cylinders(const std::vector<CylinderFace>& faces) {
  std::vector<Cylinder> cylinders;
  for (const CylinderFace& f : faces) {
    auto same = std::find_if(cylinders.begin(), cylinders.end(), [&](const Cylinder& c) {
      return c.face.concave == f.concave && std::abs(c.face.radius - f.radius) < kLengthTolerance &&
             SameLine(c.face.axis, f.axis);
    });
    if (same == cylinders.end()) cylinders.push_back({f, f.span});
    else same->span += f.span;
  }
  return cylinders;
}

constexpr double kFullTurn = 2 * std::numbers::pi - 1e-6;

void ReadHoles(const std::vector<Cylinder>& cylinders, PartFeatures& f) {
  for (const Cylinder& c : cylinders) {
    if (!c.face.concave || c.span < kFullTurn) continue;
    // A bore coaxial with the outside of a pipe or bar is the stock's own, not a hole.
    const bool bore = std::any_of(cylinders.begin(), cylinders.end(), [&](const Cylinder& o) {
      return !o.face.concave && SameLine(o.face.axis, c.face.axis);
    });
    if (bore) continue;
    const int axis = ModelAxisOf(c.face.axis.Direction());
    if (axis < 0) {
      ++f.slantedHoles;
      continue;
    }
    const double diameter = 2 * c.face.radius;
    auto group = std::find_if(f.holes.begin(), f.holes.end(), [&](const HoleGroup& g) {
      return g.axis == axis && std::abs(g.diameter - diameter) < kLengthTolerance;
    });
    if (group == f.holes.end()) group = f.holes.insert(f.holes.end(), HoleGroup{diameter, axis, {}});
    group->centres.push_back(c.face.axis.Location());
  }
  std::sort(f.holes.begin(), f.holes.end(), [](const HoleGroup& a, const HoleGroup& b) {
    return a.axis != b.axis ? a.axis < b.axis : a.diameter < b.diameter;
  });
}

void ReadBends(const TopoDS_Shape& shape, const std::vector<Cylinder>& cylinders, const std::string& label,
               PartFeatures& f) {
  std::vector<gp_Ax1> axes;
  for (const Cylinder& c : cylinders) {
    if (c.span >= kFullTurn) continue;
    if (std::none_of(axes.begin(), axes.end(), [&](const gp_Ax1& a) { return SameLine(a, c.face.axis); }))
      axes.push_back(c.face.axis);
  }
  if (axes.empty()) return;
  const int axis = ModelAxisOf(axes.front().Direction());
  if (axis < 0) return;
  try {
    const sheet_metal::FlatBlank blank = sheet_metal::DevelopBlank(shape, label);
    if (blank.bends.empty()) return;
    // The developed length runs across the bend lines.
    const auto& line = blank.bends.front().line;
    const bool acrossX = std::abs(line.end.x - line.start.x) < std::abs(line.end.y - line.start.y);
    f.flatLength = acrossX ? blank.width : blank.height;
  } catch (const HostError&) {
    return;  // not one sheet of one thickness: no flat length to give
  }
  f.bendAxis = axis;
  for (const gp_Ax1& a : axes)
    if (a.Direction().IsParallel(axes.front().Direction(), kDirectionTolerance)) f.bends.push_back(a.Location());
}

void ReadCutEnds(const std::vector<TopoDS_Face>& planar, PartFeatures& f) {
  const gp_Dir length(f.lengthAxis == 0 ? 1 : 0, f.lengthAxis == 1 ? 1 : 0, f.lengthAxis == 2 ? 1 : 0);
  for (const TopoDS_Face& face : planar) {
    gp_Pnt at;
    const gp_Dir n = NormalAt(face, at);
    const double along = std::abs(n.Dot(length));
    // End faces lean towards the length; side faces lie along it.
    if (along < 0.05 || along > 1 - kDirectionTolerance) continue;
    // Only the faces that close the profile at one of its ends.
    const double position = at.Coord(f.lengthAxis + 1);
    const double toEnd = std::min(position - f.min[f.lengthAxis], f.max[f.lengthAxis] - position);
    if (toEnd > 0.5 * f.Extent(f.lengthAxis) - kLengthTolerance) continue;
    f.cutEnds.push_back({n, std::asin(along) * 180 / std::numbers::pi});
  }
}

}  // namespace

PartFeatures ReadPartFeatures(const TopoDS_Shape& shape, const std::string& label) {
  PartFeatures f;
  Bnd_Box box;
  BRepBndLib::AddOptimal(shape, box, false, false);
  if (box.IsVoid()) return f;
  box.Get(f.min[0], f.min[1], f.min[2], f.max[0], f.max[1], f.max[2]);
  GProp_GProps props;
  BRepGProp::VolumeProperties(shape, props);
  f.volume = std::abs(props.Mass());
  for (int axis = 1; axis < 3; ++axis)
    if (f.Extent(axis) > f.Extent(f.lengthAxis)) f.lengthAxis = axis;

  std::vector<TopoDS_Face> planar;
  std::vector<CylinderFace> cylinders;
  double largestPlane = 0;
  for (TopExp_Explorer it(shape, TopAbs_FACE); it.More(); it.Next()) {
    const TopoDS_Face face = TopoDS::Face(it.Current());
    const GeomAbs_SurfaceType type = BRepAdaptor_Surface(face).GetType();
    if (type == GeomAbs_Plane) {
      planar.push_back(face);
      largestPlane = std::max(largestPlane, Area(face));
    } else if (type == GeomAbs_Cylinder) {
      cylinders.push_back(ReadCylinder(face));
    } else if (type != GeomAbs_Cone) {
      f.freeform = true;
    }
  }
  if (f.freeform) return f;
  const double thickness = std::min({f.Extent(0), f.Extent(1), f.Extent(2)});
  f.slab = f.volume > 0 && largestPlane * thickness * kSlabVolumeShare <= f.volume &&
           f.volume <= largestPlane * thickness / kSlabVolumeShare;
  const std::vector<Cylinder> merged = Cylinders(cylinders);
  ReadHoles(merged, f);
  if (!f.slab) {
    ReadBends(shape, merged, label, f);
    if (!f.flatLength) ReadCutEnds(planar, f);
  }
  return f;
}

}  // namespace platform::drafting
