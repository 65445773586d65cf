#include "platform/geometry/topology_geometry.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepBndLib.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepGProp.hxx>
#include <BRepTools.hxx>
#include <BRepTools_WireExplorer.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Vertex.hxx>
#include <TopoDS_Wire.hxx>

#include "platform/base/host_error.h"
#include "platform/geometry/recent_measurements.h"
#include "platform/geometry/topology_mass.h"

namespace platform {

namespace {

Vec3 Coords(const gp_XYZ& p) { return {p.X(), p.Y(), p.Z()}; }

const TopoDS_Face& NeedFace(const TopoDS_Shape& shape) {
  if (shape.IsNull() || shape.ShapeType() != TopAbs_FACE)
    throw HostError(HostStatus::WrongObjectType, "the shape is not a face");
  return TopoDS::Face(shape);
}

const TopoDS_Edge& NeedEdge(const TopoDS_Shape& shape) {
  if (shape.IsNull() || shape.ShapeType() != TopAbs_EDGE)
    throw HostError(HostStatus::WrongObjectType, "the shape is not an edge");
  return TopoDS::Edge(shape);
}

SurfaceKind KindOf(GeomAbs_SurfaceType type) {
  switch (type) {
    case GeomAbs_Plane: return SurfaceKind::Plane;
    case GeomAbs_Cylinder: return SurfaceKind::Cylinder;
    case GeomAbs_Cone: return SurfaceKind::Cone;
    case GeomAbs_Sphere: return SurfaceKind::Sphere;
    case GeomAbs_Torus: return SurfaceKind::Torus;
    case GeomAbs_SurfaceOfRevolution: return SurfaceKind::Revolution;
    case GeomAbs_SurfaceOfExtrusion: return SurfaceKind::Extrusion;
    case GeomAbs_BezierSurface:
    case GeomAbs_BSplineSurface: return SurfaceKind::Spline;
    case GeomAbs_OffsetSurface: return SurfaceKind::Offset;
    default: return SurfaceKind::Other;
  }
}

}  // namespace

namespace {

// The host's face box contains the face and is usually close to the smallest: tight for
// the elementary surfaces, whose tight boxes are quick; a box from the surface's own
// bounds for free-form ones, whose tight box is a numerical search.
Box FaceBox(const TopoDS_Face& face, SurfaceKind kind) {
  if (kind == SurfaceKind::Plane || kind == SurfaceKind::Cylinder || kind == SurfaceKind::Cone ||
      kind == SurfaceKind::Sphere || kind == SurfaceKind::Torus)
    return ComputeAxisBox(face);
  Bnd_Box box;
  BRepBndLib::Add(face, box, false);
  if (box.IsVoid()) return ComputeAxisBox(face);
  Box result;
  box.Get(result.min[0], result.min[1], result.min[2], result.max[0], result.max[1], result.max[2]);
  return result;
}

FaceGeometry MeasureFace(const TopoDS_Shape& shape) {
  const TopoDS_Face& face = NeedFace(shape);
  BRepAdaptor_Surface surface(face);
  FaceGeometry g;
  g.kind = KindOf(surface.GetType());
  g.reversed = face.Orientation() == TopAbs_REVERSED;
  g.box = FaceBox(face, g.kind);
  switch (g.kind) {
    case SurfaceKind::Plane: {
      g.point = MassOfTopology(face, false).centroid;  // the face's area, kept for its next asking
      gp_Dir normal = surface.Plane().Axis().Direction();
      if (g.reversed) normal.Reverse();  // the face's side of the plane is outside the body
      g.direction = Coords(normal.XYZ());
      break;
    }
    case SurfaceKind::Cylinder: {
      const gp_Cylinder c = surface.Cylinder();
      g.point = Coords(c.Location().XYZ());
      g.direction = Coords(c.Axis().Direction().XYZ());
      g.radius = c.Radius();
      break;
    }
    case SurfaceKind::Cone: {
      const gp_Cone c = surface.Cone();
      g.point = Coords(c.Location().XYZ());
      g.direction = Coords(c.Axis().Direction().XYZ());
      g.radius = c.RefRadius();
      g.radiusData = c.SemiAngle();
      break;
    }
    case SurfaceKind::Sphere: {
      const gp_Sphere s = surface.Sphere();
      g.point = Coords(s.Location().XYZ());
      g.radius = s.Radius();
      break;
    }
    case SurfaceKind::Torus: {
      const gp_Torus t = surface.Torus();
      g.point = Coords(t.Location().XYZ());
      g.direction = Coords(t.Axis().Direction().XYZ());
      g.radius = t.MajorRadius();
      g.radiusData = t.MinorRadius();
      break;
    }
    case SurfaceKind::Revolution: {
      const gp_Ax1 axis = surface.AxeOfRevolution();
      g.point = Coords(axis.Location().XYZ());
      g.direction = Coords(axis.Direction().XYZ());
      break;
    }
    default:
      break;
  }
  return g;
}

}  // namespace

FaceGeometry DescribeFace(const TopoDS_Shape& face) {
  // Faces of up to a few bodies of 500 faces.
  static RecentMeasurements<ShapeKey, FaceGeometry, ShapeKeyHash> described(20000);
  return described.Get(ShapeKey(face), [&] { return MeasureFace(face); });
}

SurfaceKind KindOfFace(const TopoDS_Shape& face) { return KindOf(BRepAdaptor_Surface(NeedFace(face)).GetType()); }

CurveKind KindOfEdge(const TopoDS_Shape& shape) {
  const TopoDS_Edge& edge = NeedEdge(shape);
  if (BRep_Tool::Degenerated(edge)) return CurveKind::Other;
  switch (BRepAdaptor_Curve(edge).GetType()) {
    case GeomAbs_Line: return CurveKind::Line;
    case GeomAbs_Circle: return CurveKind::Circle;
    case GeomAbs_Ellipse: return CurveKind::Ellipse;
    case GeomAbs_BezierCurve:
    case GeomAbs_BSplineCurve: return CurveKind::Spline;
    default: return CurveKind::Other;
  }
}

EdgeEnds EndsOfEdge(const TopoDS_Shape& shape) {
  const TopoDS_Edge& edge = NeedEdge(shape);
  TopoDS_Vertex first, last;
  TopExp::Vertices(edge, first, last);  // in the curve's parameter direction
  EdgeEnds ends;
  if (first.IsNull() && last.IsNull()) return ends;
  if (first.IsNull()) first = last;
  if (last.IsNull()) last = first;
  ends.vertexCount = first.IsSame(last) ? 1 : 2;
  ends.first = Coords(BRep_Tool::Pnt(first).XYZ());
  ends.second = Coords(BRep_Tool::Pnt(last).XYZ());
  return ends;
}

Vec3 CentroidOfEdge(const TopoDS_Shape& shape) {
  const TopoDS_Edge& edge = NeedEdge(shape);
  if (BRep_Tool::Degenerated(edge)) {
    const EdgeEnds ends = EndsOfEdge(edge);
    if (ends.vertexCount == 0) throw HostError(HostStatus::NoGeometry, "the edge has no geometry");
    return ends.first;
  }
  GProp_GProps length;
  BRepGProp::LinearProperties(edge, length);
  if (length.Mass() <= 0) throw HostError(HostStatus::NoGeometry, "the edge has no length");
  return Coords(length.CentreOfMass().XYZ());
}

std::vector<TopoDS_Shape> EdgesOfFace(const TopoDS_Shape& shape) {
  const TopoDS_Face& face = NeedFace(shape);
  std::vector<TopoDS_Shape> edges;
  auto add = [&](const TopoDS_Shape& edge) {
    for (const auto& e : edges)
      if (e.IsSame(edge)) return;  // a seam is met twice in its wire
    edges.push_back(edge);
  };
  auto addWire = [&](const TopoDS_Wire& wire) {
    for (BRepTools_WireExplorer walk(wire, face); walk.More(); walk.Next()) add(walk.Current());
    // A wire the explorer cannot chain is taken in stored order.
    for (TopExp_Explorer e(wire, TopAbs_EDGE); e.More(); e.Next()) add(e.Current());
  };
  const TopoDS_Wire outer = BRepTools::OuterWire(face);
  if (!outer.IsNull()) addWire(outer);
  for (TopExp_Explorer w(face, TopAbs_WIRE); w.More(); w.Next())
    if (!w.Current().IsSame(outer)) addWire(TopoDS::Wire(w.Current()));
  return edges;
}

}  // namespace platform
