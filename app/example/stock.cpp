// Straight stock as prisms of its section (or a revolution for pipe), bent stock
// through the bent-profile builder.
#include "app/example/stock.h"

#include <algorithm>
#include <stdexcept>

#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
#include <TopoDS.hxx>
#include <gp_Ax1.hxx>
#include <gp_Ax2.hxx>

namespace fabdoc::app::example {

namespace {

// A closed polygon in the section plane x = 0, from (y, z) pairs.
TopoDS_Wire SectionPolygon(std::initializer_list<std::pair<double, double>> points) {
  BRepBuilderAPI_MakePolygon polygon;
  for (const auto& [y, z] : points) polygon.Add(gp_Pnt(0, y, z));
  polygon.Close();
  return polygon.Wire();
}

TopoDS_Shape Extrude(const TopoDS_Face& section, double length) {
  BRepPrimAPI_MakePrism prism(section, gp_Vec(length, 0, 0));
  if (!prism.IsDone()) throw std::runtime_error("stock: extrusion failed");
  return prism.Shape();
}

TopoDS_Shape Tube(double width, double height, double wall, double length) {
  if (2 * wall >= std::min(width, height)) throw std::runtime_error("stock: tube wall leaves no bore");
  BRepBuilderAPI_MakeFace face(SectionPolygon({{0, 0}, {width, 0}, {width, height}, {0, height}}), true);
  const TopoDS_Wire bore = SectionPolygon(
      {{wall, wall}, {width - wall, wall}, {width - wall, height - wall}, {wall, height - wall}});
  face.Add(TopoDS::Wire(bore.Reversed()));
  return Extrude(face.Face(), length);
}

TopoDS_Shape Pipe(double diameter, double wall, double length) {
  if (2 * wall >= diameter) throw std::runtime_error("stock: pipe wall leaves no bore");
  const double outer = diameter / 2, inner = outer - wall;
  // The wall's half-section in the XY plane, turned a full circle about the X axis.
  BRepBuilderAPI_MakePolygon half;
  for (gp_Pnt p : {gp_Pnt(0, inner, 0), gp_Pnt(length, inner, 0), gp_Pnt(length, outer, 0), gp_Pnt(0, outer, 0)})
    half.Add(p);
  half.Close();
  BRepBuilderAPI_MakeFace face(half.Wire(), true);
  BRepPrimAPI_MakeRevol pipe(face.Face(), gp_Ax1(gp_Pnt(0, 0, 0), gp_Dir(1, 0, 0)));
  if (!pipe.IsDone()) throw std::runtime_error("stock: pipe revolution failed");
  return pipe.Shape();
}

}  // namespace

StockSpec Plate(double t, double w, double l) { return {StockKind::Plate, t, w, 0, 0, l, {}}; }
StockSpec FlatBar(double t, double w, double l) { return {StockKind::FlatBar, t, w, 0, 0, l, {}}; }
StockSpec RoundBar(double d, double l) { return {StockKind::RoundBar, 0, 0, 0, d, l, {}}; }
StockSpec SquareTube(double a, double t, double l) { return {StockKind::SquareTube, t, a, a, 0, l, {}}; }
StockSpec RectTube(double w, double h, double t, double l) { return {StockKind::RectTube, t, w, h, 0, l, {}}; }
StockSpec Angle(double a, double b, double t, double l) { return {StockKind::Angle, t, a, b, 0, l, {}}; }
StockSpec SeamlessPipe(double d, double t, double l) { return {StockKind::SeamlessPipe, t, 0, 0, d, l, {}}; }
StockSpec WeldedPipe(double d, double t, double l) { return {StockKind::WeldedPipe, t, 0, 0, d, l, {}}; }
StockSpec BentPlate(double w, BentProfile p) { return {StockKind::BentPlate, p.thickness, w, 0, 0, 0, std::move(p)}; }
StockSpec BentFlatBar(double w, BentProfile p) { return {StockKind::BentFlatBar, p.thickness, w, 0, 0, 0, std::move(p)}; }
StockSpec BentRoundBar(BentProfile p) { return {StockKind::BentRoundBar, 0, 0, 0, p.thickness, 0, std::move(p)}; }

TopoDS_Shape BuildStock(const StockSpec& s) {
  switch (s.kind) {
    case StockKind::Plate:
    case StockKind::FlatBar:
      return BRepPrimAPI_MakeBox(s.length, s.width, s.thickness).Shape();
    case StockKind::RoundBar:
      return BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(0, 0, 0), gp_Dir(1, 0, 0)), s.diameter / 2, s.length).Shape();
    case StockKind::SquareTube:
    case StockKind::RectTube:
      return Tube(s.width, s.height, s.thickness, s.length);
    case StockKind::Angle: {
      const double a = s.width, b = s.height, t = s.thickness;
      BRepBuilderAPI_MakeFace face(SectionPolygon({{0, 0}, {a, 0}, {a, t}, {t, t}, {t, b}, {0, b}}), true);
      return Extrude(face.Face(), s.length);
    }
    case StockKind::SeamlessPipe:
    case StockKind::WeldedPipe:
      return Pipe(s.diameter, s.thickness, s.length);
    case StockKind::BentPlate:
    case StockKind::BentFlatBar:
      return BuildBentSection(s.bent, s.width);
    case StockKind::BentRoundBar:
      return BuildBentRod(s.bent);
  }
  throw std::runtime_error("stock: unknown kind");
}

std::string StockTypeText(StockKind kind) {
  switch (kind) {
    case StockKind::Plate: return "钢板";
    case StockKind::FlatBar: return "扁钢";
    case StockKind::RoundBar: return "圆钢";
    case StockKind::SquareTube: return "方管";
    case StockKind::RectTube: return "矩形管";
    case StockKind::Angle: return "角钢";
    case StockKind::SeamlessPipe: return "无缝钢管";
    case StockKind::WeldedPipe: return "焊管";
    case StockKind::BentPlate: return "钢板,折弯";
    case StockKind::BentFlatBar: return "扁钢,折弯";
    case StockKind::BentRoundBar: return "圆钢,两边折弯";
  }
  return "";
}

}  // namespace fabdoc::app::example
