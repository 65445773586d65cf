// Bent plate, bent flat bar and bent round bar: straight flats joined by bends of one
// inner radius. The path is the section's mid-line, drawn in the XZ plane from the
// origin heading +X; a positive bend turns towards +Z. Plate and flat bar are the
// section (thickness centred on the path) extruded along +Y; a round bar is a circle
// swept along the path. Every wall is planar and every bend cylindrical (toroidal
// for the round bar), as a press brake makes them.
#pragma once
#include <vector>

#include <TopoDS_Shape.hxx>

namespace platform::sheet_metal {

struct BentProfile {
  double thickness = 0;          // plate or bar thickness; a round bar's diameter
  double innerRadius = 0;        // of every bend
  std::vector<double> flats;     // straight lengths along the mid-line, in order
  std::vector<double> bendsDeg;  // one bend between each two flats

  double MidRadius() const { return innerRadius + thickness / 2; }
};

// The section extruded by `width` along +Y. Throws std::runtime_error on a bad profile.
TopoDS_Shape BuildBentSection(const BentProfile& profile, double width);
// A round bar of diameter profile.thickness swept along the path.
TopoDS_Shape BuildBentRod(const BentProfile& profile);

}  // namespace platform::sheet_metal
