#include "platform/drafting/shade_fill.h"

#include <algorithm>
#include <map>

#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <Poly_Triangulation.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <gp_Vec.hxx>

#include "platform/assemblies/located_shape.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/view_edits.h"
#include "platform/objects/color_table.h"
#include "platform/objects/session.h"

namespace platform::drafting {

namespace {

// Chord height of the mesh on the sheet.
constexpr double kChordMm = 0.2;
constexpr double kFullyShadedOpacity = 0.5;
constexpr int kFullyShaded = 0;

struct ScreenAxes {
  gp_Vec x, y;
  double scale;
  Point2 operator()(const gp_Pnt& p) const { return {gp_Vec(p.XYZ()).Dot(x) * scale, gp_Vec(p.XYZ()).Dot(y) * scale}; }
};

ScreenAxes FrameOf(const DraftingView& view) {
  const auto& o = view.orientation;
  const gp_Vec x(o[0], o[1], o[2]), z(o[6], o[7], o[8]);
  return {x, z.Crossed(x), view.scale};
}

// Every triangle of the body's mesh, turned counter-clockwise, so that filling them all
// with the non-zero rule covers the body's outline once.
std::vector<std::array<Point2, 3>> Triangles(Object& body, const ScreenAxes& frame) {
  const TopoDS_Shape shape = BodyOf(body).Shape();
  BRepMesh_IncrementalMesh(shape, kChordMm / frame.scale, false, 0.5);
  const gp_Trsf placement = ToTrsf(PlacementOf(body));
  std::vector<std::array<Point2, 3>> triangles;
  for (TopExp_Explorer faces(shape, TopAbs_FACE); faces.More(); faces.Next()) {
    TopLoc_Location location;
    const Handle(Poly_Triangulation) mesh = BRep_Tool::Triangulation(TopoDS::Face(faces.Current()), location);
    if (mesh.IsNull()) continue;
    const gp_Trsf toView = placement * location.Transformation();
    for (int i = 1; i <= mesh->NbTriangles(); ++i) {
      int a, b, c;
      mesh->Triangle(i).Get(a, b, c);
      std::array<Point2, 3> t{frame(mesh->Node(a).Transformed(toView)), frame(mesh->Node(b).Transformed(toView)),
                              frame(mesh->Node(c).Transformed(toView))};
      const double area = (t[1].x - t[0].x) * (t[2].y - t[0].y) - (t[2].x - t[0].x) * (t[1].y - t[0].y);
      if (area == 0) continue;
      if (area < 0) std::swap(t[1], t[2]);
      triangles.push_back(t);
    }
  }
  return triangles;
}

}  // namespace

double ShadeOpacity(int transparency) {
  return std::max(kLeastShadeOpacity, 1 - std::clamp(transparency, 0, 100) / 100.0);
}

std::vector<ShadeFill> ShadeFillsOf(const DraftingView& view) {
  std::vector<ShadeFill> fills;
  if (view.shadeEdits.empty() && view.shadingStyle != kFullyShaded) return fills;
  std::vector<Object*> shown;
  try {
    shown = ShownBodies(view);
  } catch (const std::exception&) {
    return fills;  // the shown part is not open: nothing to fill from
  }
  const ScreenAxes frame = FrameOf(view);
  std::map<std::string, const ShadeEdit*> edits;
  for (const ShadeEdit& edit : view.shadeEdits) edits[edit.body] = &edit;
  for (Object* body : shown) {
    const auto edit = edits.find(ShownBodyKey(view, *body));
    if (edit == edits.end() && view.shadingStyle != kFullyShaded) continue;
    const int ownColor = Session::Get().DisplayOf(*body).color;
    ShadeFill fill;
    if (edit != edits.end()) {
      const int color = edit->second->color > 0 ? edit->second->color : ownColor;
      fill.rgb = ColorRgb(std::clamp(color, 1, kColorCount));
      fill.opacity = ShadeOpacity(edit->second->transparency);
    } else {
      fill.rgb = ColorRgb(std::clamp(ownColor, 1, kColorCount));
      fill.opacity = kFullyShadedOpacity;
    }
    fill.triangles = Triangles(*body, frame);
    fills.push_back(std::move(fill));
  }
  return fills;
}

}  // namespace platform::drafting
