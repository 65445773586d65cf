// What a part's dimensions are made from, read from its B-rep (never a mesh), in the
// model space its views project: the axis-aligned extent, whether it is a slab (plate,
// flat bar) or a profile, its round holes grouped by diameter and axis, its sawn or
// mitred ends and its bends.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include <TopoDS_Shape.hxx>
#include <gp_Dir.hxx>
#include <gp_Pnt.hxx>

namespace platform::drafting {

// Round holes of one diameter along one model axis (0 X, 1 Y, 2 Z).
struct HoleGroup {
  double diameter = 0;
  int axis = 0;
  std::vector<gp_Pnt> centres;  // a point on each hole's axis
};

// A planar end face of a profile that is not square to its length.
struct CutEnd {
  gp_Dir normal;       // the end face's outward normal
  double angleDeg = 0; // between the end face and the profile's length
};

struct PartFeatures {
  std::array<double, 3> min{}, max{};  // axis-aligned extent
  double volume = 0;
  bool slab = false;        // plate or flat bar: volume = largest face × thickness
  bool freeform = false;    // a face neither planar, cylindrical nor conical: sizes only
  int lengthAxis = 0;       // the axis of the largest extent
  std::vector<HoleGroup> holes;
  std::vector<CutEnd> cutEnds;
  // Bent plate or flat bar: the developed length and the bend axes (a point on each,
  // along `bendAxis`); none when not bent.
  std::optional<double> flatLength;
  int bendAxis = -1;
  std::vector<gp_Pnt> bends;
  // Holes whose axis is not along a model axis: no view shows them round.
  int slantedHoles = 0;

  double Extent(int axis) const { return max[axis] - min[axis]; }
};

// `label` names the body in errors of the flat-length development, which are not
// thrown: a body that will not develop gets no flat length.
PartFeatures ReadPartFeatures(const TopoDS_Shape& shape, const std::string& label);

}  // namespace platform::drafting
