// Local geometry of a sheet: normals, thickness and smooth joins between faces.
#include "platform/geometry/sheet_metal/sheet_side.h"

#include <cmath>
#include <limits>

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepClass3d_SolidClassifier.hxx>
#include <BRepClass_FaceClassifier.hxx>
#include <BRepTools.hxx>
#include <BRep_Tool.hxx>
#include <GeomAPI_ProjectPointOnSurf.hxx>
#include <GeomLProp_SLProps.hxx>
#include <Geom_Surface.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <gp_Pln.hxx>

#include "platform/base/host_error.h"

namespace platform::sheet_metal {

namespace {

// Depth below the sheet's far face (mm) at which the classifier must see no material.
constexpr double kProbeMargin = 0.01;

}  // namespace

gp_Dir OutwardNormal(const TopoDS_Face& face, const gp_Pnt& point) {
  Handle(Geom_Surface) surface = BRep_Tool::Surface(face);
  GeomAPI_ProjectPointOnSurf projection(point, surface);
  double u = 0, v = 0;
  if (projection.NbPoints() > 0) projection.LowerDistanceParameters(u, v);
  GeomLProp_SLProps props(surface, u, v, 1, 1e-9);
  if (!props.IsNormalDefined())
    throw HostError(HostStatus::ModellingFailed, "a face has no normal where the sheet is measured");
  gp_Dir normal = props.Normal();
  if (face.Orientation() == TopAbs_REVERSED) normal.Reverse();
  return normal;
}

gp_Pnt PointOnFace(const TopoDS_Face& face) {
  double u0, u1, v0, v1;
  BRepTools::UVBounds(face, u0, u1, v0, v1);
  BRepAdaptor_Surface surface(face);
  // The middle first; a face with a hole there (a plate's centre hole) is tried further out.
  for (double fu : {0.5, 0.25, 0.75, 0.125, 0.375, 0.625, 0.875})
    for (double fv : {0.5, 0.25, 0.75, 0.125, 0.375, 0.625, 0.875}) {
      const gp_Pnt2d at(u0 + fu * (u1 - u0), v0 + fv * (v1 - v0));
      if (BRepClass_FaceClassifier(face, at, 1e-7).State() == TopAbs_IN) return surface.Value(at.X(), at.Y());
    }
  // A face that covers none of those points: fall back to a vertex.
  TopExp_Explorer vertex(face, TopAbs_VERTEX);
  return BRep_Tool::Pnt(TopoDS::Vertex(vertex.Current()));
}

gp_Pnt EdgeMidpoint(const TopoDS_Edge& edge) {
  BRepAdaptor_Curve curve(edge);
  return curve.Value((curve.FirstParameter() + curve.LastParameter()) / 2);
}

double MeasureThickness(const TopoDS_Shape& body, const TopoDS_Face& face, const std::string& bodyLabel) {
  BRepAdaptor_Surface surface(face);
  if (surface.GetType() != GeomAbs_Plane)
    throw HostError(HostStatus::ModellingFailed, bodyLabel + ": the stationary face is not planar");
  const gp_Pnt origin = PointOnFace(face);
  const gp_Dir inward = OutwardNormal(face, origin).Reversed();
  double nearest = std::numeric_limits<double>::infinity();
  for (TopExp_Explorer e(body, TopAbs_FACE); e.More(); e.Next()) {
    const TopoDS_Face other = TopoDS::Face(e.Current());
    if (other.IsSame(face) || BRepAdaptor_Surface(other).GetType() != GeomAbs_Plane) continue;
    const gp_Pln plane = BRepAdaptor_Surface(other).Plane();
    if (std::abs(plane.Axis().Direction().Dot(inward)) < kParallelCosine) continue;
    const double depth = gp_Vec(origin, plane.Location()).Dot(gp_Vec(inward));
    if (depth > Precision::Confusion() && depth < nearest) nearest = depth;
  }
  if (!std::isfinite(nearest))
    throw HostError(HostStatus::ModellingFailed,
                    bodyLabel + ": no planar face parallel to the stationary face, so no sheet thickness");
  return nearest;
}

bool ThicknessHolds(const TopoDS_Shape& body, const TopoDS_Face& face, double thickness) {
  const gp_Pnt point = PointOnFace(face);
  const gp_Vec inward = gp_Vec(OutwardNormal(face, point).Reversed());
  const double margin = std::min(kProbeMargin, thickness / 4);
  // One classifier for both points: loading the body (a box for each face) costs more
  // than classifying a point.
  BRepClass3d_SolidClassifier classifier(body);
  classifier.Perform(point.Translated(inward * (thickness - margin)), 1e-7);
  const bool inside = classifier.State() == TopAbs_IN;
  classifier.Perform(point.Translated(inward * (thickness + margin)), 1e-7);
  return inside && classifier.State() == TopAbs_OUT;
}

bool TangentAcross(const TopoDS_Face& a, const TopoDS_Face& b, const TopoDS_Edge& edge) {
  const gp_Pnt at = EdgeMidpoint(edge);
  return OutwardNormal(a, at).Dot(OutwardNormal(b, at)) > kParallelCosine;
}

TopTools_IndexedDataMapOfShapeListOfShape EdgeFaceMap(const TopoDS_Shape& body) {
  TopTools_IndexedDataMapOfShapeListOfShape map;
  TopExp::MapShapesAndAncestors(body, TopAbs_EDGE, TopAbs_FACE, map);
  return map;
}

}  // namespace platform::sheet_metal
