// Develops the stationary face's side of a sheet into the stationary face's plane:
//   1. measure the thickness from the stationary face;
//   2. walk the faces tangent-connected to it, breadth first, each carrying the rigid
//      transform that lays the neighbourhood of its entry edge into the plane;
//   3. a wall is moved by its transform; a bend becomes a strip of its neutral length,
//      and the faces beyond it get the transform that undoes the bend's rotation and
//      shifts by the strip's width.
#include <cmath>
#include <deque>

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepTools.hxx>
#include <ElCLib.hxx>
#include <ElSLib.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_MapOfShape.hxx>
#include <TopoDS.hxx>
#include <gp_Cylinder.hxx>
#include <gp_Lin.hxx>
#include <gp_Trsf.hxx>

#include "platform/base/host_error.h"
#include "platform/geometry/sheet_metal/flat_pattern.h"
#include "platform/geometry/sheet_metal/sheet_side.h"

namespace platform::sheet_metal {

namespace {

// Angular tolerance (radians) for finding a bend's edge among its two bend lines.
constexpr double kAngleTolerance = 1e-4;

struct Step {
  TopoDS_Face face;
  gp_Trsf place;      // lays the face (a wall) or its entry edge (a bend) into the plane
  TopoDS_Edge entry;  // null for the stationary face
};

[[noreturn]] void RefuseUnfold(const std::string& bodyLabel, const std::string& why) {
  throw HostError(HostStatus::ModellingFailed, bodyLabel + " cannot be unfolded: " + why);
}

double AngleGap(double a, double b) { return std::abs(std::remainder(a - b, 2 * M_PI)); }

TopoDS_Face Moved(const TopoDS_Face& face, const gp_Trsf& place) {
  return TopoDS::Face(BRepBuilderAPI_Transform(face, place, true).Shape());
}

// Every edge of a plain bend is a bend line (parallel to the axis) or an arc about it.
bool IsPlainBend(const TopoDS_Face& face, const gp_Cylinder& cylinder) {
  const gp_Dir axis = cylinder.Axis().Direction();
  for (TopExp_Explorer e(face, TopAbs_EDGE); e.More(); e.Next()) {
    BRepAdaptor_Curve curve(TopoDS::Edge(e.Current()));
    if (curve.GetType() == GeomAbs_Line) {
      if (std::abs(curve.Line().Direction().Dot(axis)) < kParallelCosine) return false;
    } else if (curve.GetType() == GeomAbs_Circle) {
      if (std::abs(curve.Circle().Axis().Direction().Dot(axis)) < kParallelCosine) return false;
    } else {
      return false;
    }
  }
  return true;
}

class Walk {
public:
  Walk(const TopoDS_Shape& body, const std::string& label, FlatPattern& out)
      : body_(body), label_(label), out_(out), edges_(EdgeFaceMap(body)) {}

  void Run(const TopoDS_Face& stationary) {
    queue_.push_back({stationary, gp_Trsf(), TopoDS_Edge()});
    seen_.Add(stationary);
    while (!queue_.empty()) {
      Step step = queue_.front();
      queue_.pop_front();
      if (!ThicknessHolds(body_, step.face, out_.thickness))
        RefuseUnfold(label_, "its thickness is not " + std::to_string(out_.thickness) + " mm throughout");
      if (BRepAdaptor_Surface(step.face).GetType() == GeomAbs_Plane) Wall(step);
      else Bend(step);
    }
  }

private:
  void Wall(const Step& step) {
    out_.faces.push_back(Moved(step.face, step.place));
    Neighbours(step.face, [&](const TopoDS_Edge&) { return step.place; });
  }

  void Bend(const Step& step) {
    BRepAdaptor_Surface surface(step.face);
    const gp_Cylinder cylinder = surface.Cylinder();
    if (!IsPlainBend(step.face, cylinder)) RefuseUnfold(label_, "a bend face has edges that are neither bend lines nor arcs");
    double u0, u1, v0, v1;
    BRepTools::UVBounds(step.face, u0, u1, v0, v1);
    const double angle = u1 - u0;
    double u, v;
    ElSLib::Parameters(cylinder, EdgeMidpoint(step.entry), u, v);
    const bool fromU0 = AngleGap(u, u0) < kAngleTolerance;
    if (!fromU0 && AngleGap(u, u1) >= kAngleTolerance) RefuseUnfold(label_, "a bend is entered along an edge that is not a bend line");
    const double nearU = fromU0 ? u0 : u1, farU = fromU0 ? u1 : u0, sense = fromU0 ? 1 : -1;

    // The rotation about the axis that carries the entry bend line onto the exit one.
    const gp_Pnt nearPoint = ElSLib::Value(nearU, v0, cylinder), farPoint = ElSLib::Value(farU, v0, cylinder);
    gp_Trsf unbend;
    unbend.SetRotation(cylinder.Axis(), -angle);
    if (nearPoint.Distance(farPoint.Transformed(unbend)) > 1e-6) unbend.SetRotation(cylinder.Axis(), angle);

    // Material towards the axis: the skin is the outside of the bend.
    const gp_Pnt middle = ElSLib::Value((u0 + u1) / 2, (v0 + v1) / 2, cylinder);
    const gp_Pnt onAxis = ElCLib::Value(ElCLib::Parameter(gp_Lin(cylinder.Axis()), middle), gp_Lin(cylinder.Axis()));
    const gp_Vec radial(onAxis, middle);
    const bool outside = gp_Vec(OutwardNormal(step.face, middle)).Dot(radial) > 0;
    const double radius = cylinder.Radius(), t = out_.thickness;
    double inner = outside ? radius - t : radius;
    if (inner < -1e-6) RefuseUnfold(label_, "a bend's radius " + std::to_string(radius) + " mm is smaller than the thickness");
    inner = std::max(inner, 0.0);
    const sheet_metal::Bend bend{inner, angle, static_cast<int>(out_.faces.size())};
    out_.bends.push_back(bend);

    // The strip: the entry bend line laid down, swept across by the neutral length.
    gp_Pnt p;
    gp_Vec alongU, alongV;
    ElSLib::CylinderD1(nearU, v0, cylinder.Position(), radius, p, alongU, alongV);
    const gp_Vec across = (alongU.Normalized() * sense).Transformed(step.place) * bend.NeutralLength(t);
    const gp_Pnt a = ElSLib::Value(nearU, v0, cylinder).Transformed(step.place);
    const gp_Pnt b = ElSLib::Value(nearU, v1, cylinder).Transformed(step.place);
    BRepBuilderAPI_MakePolygon outline(a, b, b.Translated(across), a.Translated(across), true);
    BRepBuilderAPI_MakeFace strip(outline.Wire(), true);
    if (!strip.IsDone()) RefuseUnfold(label_, "a bend's developed strip could not be made");
    out_.faces.push_back(strip.Face());

    gp_Trsf shift;
    shift.SetTranslation(across);
    const gp_Trsf beyond = shift * step.place * unbend;
    Neighbours(step.face, [&](const TopoDS_Edge& edge) {
      double eu, ev;
      ElSLib::Parameters(cylinder, EdgeMidpoint(edge), eu, ev);
      return AngleGap(eu, nearU) < kAngleTolerance ? step.place : beyond;
    });
  }

  // Queues the unvisited faces that continue `face` smoothly, each with its placement.
  template <class PlaceAcross>
  void Neighbours(const TopoDS_Face& face, PlaceAcross placeAcross) {
    for (TopExp_Explorer e(face, TopAbs_EDGE); e.More(); e.Next()) {
      const TopoDS_Edge edge = TopoDS::Edge(e.Current());
      if (!edges_.Contains(edge)) continue;
      for (const TopoDS_Shape& s : edges_.FindFromKey(edge)) {
        const TopoDS_Face next = TopoDS::Face(s);
        if (seen_.Contains(next) || !TangentAcross(face, next, edge)) continue;
        const GeomAbs_SurfaceType type = BRepAdaptor_Surface(next).GetType();
        if (type != GeomAbs_Plane && type != GeomAbs_Cylinder)
          RefuseUnfold(label_, "a face on the sheet's side is neither planar nor cylindrical");
        seen_.Add(next);
        queue_.push_back({next, placeAcross(edge), edge});
      }
    }
  }

  const TopoDS_Shape& body_;
  const std::string& label_;
  FlatPattern& out_;
  TopTools_IndexedDataMapOfShapeListOfShape edges_;
  TopTools_MapOfShape seen_;
  std::deque<Step> queue_;
};

}  // namespace

FlatPattern Develop(const TopoDS_Shape& body, const TopoDS_Face& stationary, const std::string& bodyLabel) {
  FlatPattern pattern;
  pattern.thickness = MeasureThickness(body, stationary, bodyLabel);
  Walk(body, bodyLabel, pattern).Run(stationary);
  return pattern;
}

}  // namespace platform::sheet_metal
