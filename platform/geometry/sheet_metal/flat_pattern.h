// Unfolding a sheet-metal body (planar walls joined by cylindrical bends, one thickness)
// into the plane of one of its planar faces, as a press-brake shop cuts its blank.
#pragma once
#include <string>
#include <vector>

#include <TopoDS_Face.hxx>
#include <TopoDS_Shape.hxx>

namespace platform::sheet_metal {

// The host's default neutral factor: a bend's neutral fibre lies k·t from its inner face.
constexpr double kNeutralFactor = 0.33;

struct Bend {
  double innerRadius = 0;  // mm (0 for a sharp inside corner)
  double angle = 0;        // radians
  int strip = -1;          // index of its developed strip in FlatPattern::faces
  double NeutralLength(double thickness) const { return angle * (innerRadius + kNeutralFactor * thickness); }
};

struct FlatPattern {
  double thickness = 0;            // mm
  std::vector<Bend> bends;         // in the order the walk from the stationary face met them
  std::vector<TopoDS_Face> faces;  // the developed faces of the stationary face's side
  TopoDS_Shape solid;              // the faces extruded by the thickness and fused (Unfold only)
};

// Measures the sheet and develops its faces without building the solid. `bodyLabel`
// names the body in errors: HostError(ModellingFailed) for a face on the sheet side that
// is neither planar nor cylindrical, no parallel opposite face, or a varying thickness.
FlatPattern Develop(const TopoDS_Shape& body, const TopoDS_Face& stationary, const std::string& bodyLabel);
// Develop, then the flat solid: the stationary face stays where it is, the material on
// the same side of it as in the body.
FlatPattern Unfold(const TopoDS_Shape& body, const TopoDS_Face& stationary, const std::string& bodyLabel);

}  // namespace platform::sheet_metal
