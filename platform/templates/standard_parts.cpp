#include "platform/templates/standard_parts.h"

#include <cmath>
#include <cstdio>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepPrimAPI_MakeTorus.hxx>
#include <gp_Ax2.hxx>

#include "platform/base/host_error.h"

namespace platform::templates {
namespace {

// A hexagonal prism across flats `s`, from z0 up by `height`; two flats face +X and -X.
TopoDS_Shape Hexagon(double s, double z0, double height) {
  const double corner = s / std::sqrt(3.0);  // centre to corner
  BRepBuilderAPI_MakePolygon outline;
  for (int i = 0; i < 6; ++i) {
    const double a = M_PI / 6 + i * M_PI / 3;
    outline.Add(gp_Pnt(corner * std::cos(a), corner * std::sin(a), z0));
  }
  outline.Close();
  const TopoDS_Face face = BRepBuilderAPI_MakeFace(outline.Wire());
  return BRepPrimAPI_MakePrism(face, gp_Vec(0, 0, height)).Shape();
}

TopoDS_Shape Cylinder(double diameter, double z0, double height) {
  return BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(0, 0, z0), gp::DZ()), diameter / 2, height).Shape();
}

TopoDS_Shape Checked(const TopoDS_Shape& shape, const std::string& what) {
  if (shape.IsNull()) throw HostError(HostStatus::ModellingFailed, "the modeller could not make " + what);
  return shape;
}

TopoDS_Shape Fuse(const TopoDS_Shape& a, const TopoDS_Shape& b, const std::string& what) {
  BRepAlgoAPI_Fuse fuse(a, b);
  if (!fuse.IsDone()) throw HostError(HostStatus::ModellingFailed, "the modeller could not make " + what);
  return Checked(fuse.Shape(), what);
}

TopoDS_Shape Cut(const TopoDS_Shape& a, const TopoDS_Shape& b, const std::string& what) {
  BRepAlgoAPI_Cut cut(a, b);
  if (!cut.IsDone()) throw HostError(HostStatus::ModellingFailed, "the modeller could not make " + what);
  return Checked(cut.Shape(), what);
}

std::string Size(const char* format, double a, double b = 0) {
  char text[64];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

// ISO 4017: head across flats s, head height k; the shank is modelled at the thread's
// nominal diameter over the whole length l (threads are not modelled).
StandardPart Bolt(double d, double s, double k, double l) {
  const std::string name = Size("M%gx%g", d, l);
  const TopoDS_Shape head = Hexagon(s, 0, k);
  const TopoDS_Shape shank = Cylinder(d, -l, l);
  return {"螺栓", name, "六角头螺栓 " + name, "ISO 4017 (GB/T 5783)", Fuse(head, shank, "bolt " + name)};
}

// ISO 4032: across flats s, height m, bore at the nominal diameter.
StandardPart Nut(double d, double s, double m) {
  const std::string name = Size("M%g", d);
  return {"螺母", name, "六角螺母 " + name, "ISO 4032 (GB/T 6170)",
          Cut(Hexagon(s, 0, m), Cylinder(d, -1, m + 2), "nut " + name)};
}

// ISO 7089: inner diameter d1, outer d2, thickness h.
StandardPart Washer(double size, double d1, double d2, double h) {
  const std::string name = Size("%g", size);
  return {"垫圈", "d" + name, "平垫圈 " + name, "ISO 7089 (GB/T 97.1)",
          Cut(Cylinder(d2, 0, h), Cylinder(d1, -1, h + 2), "washer " + name)};
}

// DIN 580 M12: eye outer diameter 54, inner 30, collar diameter 30 and height 10, overall
// height above the collar's bearing face 53, thread length 22.
StandardPart LiftingEye() {
  const double outer = 54, inner = 30, height = 53;
  const double centre = height - outer / 2;
  const gp_Ax2 ringAxis(gp_Pnt(0, 0, centre), gp::DY());
  const TopoDS_Shape ring = BRepPrimAPI_MakeTorus(ringAxis, (outer + inner) / 4, (outer - inner) / 4).Shape();
  TopoDS_Shape eye = Fuse(ring, Cylinder(30, 0, 10), "lifting eye");
  eye = Fuse(eye, Cylinder(12, -22, 22), "lifting eye");
  return {"吊环", "M12", "吊环螺钉 M12", "DIN 580", eye};
}

// A levelling foot as the shops buy them (no ISO form): base 60 x 12, a neck 30 x 8, a
// stud M16 x 100 and its lock nut (ISO 4032 M16) 20 mm above the neck.
StandardPart LevellingFoot() {
  TopoDS_Shape foot = Fuse(Cylinder(60, 0, 12), Cylinder(30, 12, 8), "levelling foot");
  foot = Fuse(foot, Cylinder(16, 20, 100), "levelling foot");
  foot = Fuse(foot, Hexagon(24, 40, 14.8), "levelling foot");
  return {"调节脚", "M16x100", "调节脚 M16x100", "ISO 4032 nut; base after common catalogue feet", foot};
}

}  // namespace

std::vector<StandardPart> StandardParts() {
  return {
      Bolt(10, 16, 6.4, 30),  Bolt(12, 18, 7.5, 40), Bolt(16, 24, 10, 50),
      Nut(10, 16, 8.4),       Nut(12, 18, 10.8),     Nut(16, 24, 14.8),
      Washer(10, 10.5, 20, 2), Washer(12, 13, 24, 2.5), Washer(16, 17, 30, 3),
      LiftingEye(),           LevellingFoot(),
  };
}

}  // namespace platform::templates
