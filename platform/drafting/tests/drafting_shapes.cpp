#include "platform/drafting/tests/drafting_shapes.h"

#include <stdexcept>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRep_Builder.hxx>
#include <TopoDS_Compound.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <gp_Ax2.hxx>

namespace drafting_test {

using namespace platform::drafting;

TopoDS_Shape Box(double dx, double dy, double dz, double x, double y, double z) {
  return BRepPrimAPI_MakeBox(gp_Pnt(x, y, z), dx, dy, dz).Shape();
}

TopoDS_Shape SquareTube(double w, double t, double l) {
  const double inner = w - 2 * t;
  BRepAlgoAPI_Cut cut(Box(w, w, l, -w / 2, -w / 2, 0), Box(inner, inner, l + 2, -inner / 2, -inner / 2, -1));
  if (!cut.IsDone()) throw std::runtime_error("square tube: the cut failed");
  return cut.Shape();
}

TopoDS_Shape PlateWithHoles(double dx, double dy, double dz, double d, const std::vector<Point2>& holes) {
  const TopoDS_Shape plate = Box(dx, dy, dz, -dx / 2, -dy / 2, 0);
  if (holes.empty()) return plate;
  // All drills in one cut: hundreds of holes cut one by one take minutes.
  BRep_Builder builder;
  TopoDS_Compound drills;
  builder.MakeCompound(drills);
  for (const Point2& hole : holes)
    builder.Add(drills, BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(hole.x, hole.y, -1), gp::DZ()), d / 2, dz + 2).Shape());
  BRepAlgoAPI_Cut cut(plate, drills);
  if (!cut.IsDone()) throw std::runtime_error("plate: the hole cut failed");
  return cut.Shape();
}

ViewContent Project(const TopoDS_Shape& shape, const char* view, double scale, HlrMethod method) {
  HiddenLineProjection projection({PlacedBody{shape, gp_Trsf()}}, StandardModelView(view), scale, method);
  if (!projection.Perform()) throw std::runtime_error(projection.Failure());
  return projection.Content();
}

std::vector<Line2> LinesOf(const std::vector<Curve2>& curves) {
  std::vector<Line2> lines;
  for (const Curve2& curve : curves)
    if (const auto* line = std::get_if<Line2>(&curve)) lines.push_back(*line);
  return lines;
}

std::vector<Arc2> ArcsOf(const std::vector<Curve2>& curves) {
  std::vector<Arc2> arcs;
  for (const Curve2& curve : curves)
    if (const auto* arc = std::get_if<Arc2>(&curve)) arcs.push_back(*arc);
  return arcs;
}

}  // namespace drafting_test
