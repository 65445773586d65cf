#include "platform/drafting/tests/part_sheet_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <numbers>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeHalfSpace.hxx>
#include <Bnd_Box.hxx>
#include <gp_Pln.hxx>

#include "platform/drafting/sheets.h"
#include "platform/drafting/view_content.h"
#include "platform/text/host_environment.h"
#include "platform/drafting/views.h"
#include "platform/files/sheet_template.h"
#include "platform/geometry/body.h"
#include "platform/text/gbk.h"

namespace fabdoc_test {

using namespace platform;

PartSheetLayout LayoutForExtents(double e0, double e1, double e2) {
  // The A4 part scale rule and layout of the drawing command.
  const double W = 210, H = 297, RA = 90, RD = 155, TB = 55;
  const double wx = e0 + e1, hy = e1 + e2;
  const double t1 = W / (wx + RA * wx / W), t2 = H / (hy + RD * hy / H);
  const double s = (t2 > t1 ? t1 : t2) / 1.2;
  const double gx = (W - wx * s) / 3;
  const double gy = std::max(10.0, (H - hy * s - TB - gx) / 2);
  PartSheetLayout layout;
  layout.scale = s;
  layout.front = {gx + e0 * s / 2, 297 - gy - e2 * s / 2};
  layout.lower = {layout.front[0], 55 + gy + e1 * s / 2};
  layout.right = {2 * gx + e0 * s + e1 * s / 2, layout.front[1]};
  return layout;
}

DrawingSheet& DrawPartSheet(Part& part, const TopoDS_Shape& shape, const std::string& sheetName) {
  return DrawBodiesSheet(part, {shape}, sheetName);
}

DrawingSheet& DrawBodiesSheet(Part& part, const std::vector<TopoDS_Shape>& shapes, const std::string& sheetName) {
  Bnd_Box box;
  for (const TopoDS_Shape& shape : shapes) {
    part.Add(std::make_unique<Body>(shape));
    BRepBndLib::AddOptimal(shape, box, false, false);
  }
  double x0, y0, z0, x1, y1, z1;
  box.Get(x0, y0, z0, x1, y1, z1);
  const PartSheetLayout layout = LayoutForExtents(x1 - x0, y1 - y0, z1 - z0);
  const double s = layout.scale;
  // As the add-on finds it: below the host installation folder.
  const std::string templatePath = BaseDirHostPath() + "\\kzt-1\\bom\\A4_nj.prt";
  DrawingSheet& sheet = drafting::AddSheetFromTemplate(part, templatePath, text::ToGbk(sheetName));
  DraftingView& frontView = drafting::AddBaseView(sheet, part, "Front", s, layout.front);
  drafting::AddProjectedView(frontView, drafting::ProjectionDirection::Below, layout.lower);
  drafting::AddProjectedView(frontView, drafting::ProjectionDirection::Right, layout.right);
  DraftingView& iso = drafting::AddBaseView(sheet, part, "Isometric", s, {layout.right[0], layout.lower[1]});
  drafting::UpdateOutOfDateViews(sheet);
  drafting::SetViewScale(iso, 0.3 * s);
  drafting::UpdateOutOfDateViews(sheet);
  return sheet;
}

TopoDS_Shape MitredTube(double w, double t, double length, double angleDeg) {
  const TopoDS_Shape outer = BRepPrimAPI_MakeBox(gp_Pnt(0, -w / 2, 0), length + w, w, w).Shape();
  const TopoDS_Shape inner = BRepPrimAPI_MakeBox(gp_Pnt(-1, -w / 2 + t, t), length + w + 2, w - 2 * t, w - 2 * t).Shape();
  const TopoDS_Shape tube = BRepAlgoAPI_Cut(outer, inner).Shape();
  // The cut plane through the top side's end, leaning back towards the bottom.
  const double a = angleDeg * std::numbers::pi / 180;
  const gp_Dir normal(std::sin(a), 0, -std::cos(a));
  const TopoDS_Face plane = BRepBuilderAPI_MakeFace(gp_Pln(gp_Pnt(length, 0, w), normal)).Face();
  const TopoDS_Shape waste = BRepPrimAPI_MakeHalfSpace(plane, gp_Pnt(length + 2 * w, 0, 0)).Solid();
  return BRepAlgoAPI_Cut(tube, waste).Shape();
}

}  // namespace fabdoc_test
