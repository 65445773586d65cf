// The flat blank of a plate or flat bar, bent or not, as a cutting shop takes it: the
// outer contour and the holes as 2D curves, and a line across each bend with its angle
// and inner radius. Millimetres; the blank's longest straight edge lies along +X and its
// extent starts at 0,0.
#pragma once
#include <string>
#include <variant>
#include <vector>

#include <TopoDS_Shape.hxx>

namespace platform::sheet_metal {

struct BlankPoint {
  double x = 0, y = 0;
};
struct BlankLine {
  BlankPoint start, end;
};
// Counter-clockwise from startDeg to endDeg; a full circle when `full`.
struct BlankArc {
  BlankPoint centre;
  double radius = 0, startDeg = 0, endDeg = 360;
  bool full = false;
};
struct BlankPolyline {
  std::vector<BlankPoint> points;
};
using BlankCurve = std::variant<BlankLine, BlankArc, BlankPolyline>;
using BlankLoop = std::vector<BlankCurve>;

struct BlankBend {
  BlankLine line;           // the middle of the developed bend, across the blank
  double angleDeg = 0;      // how far the bend turns
  double innerRadius = 0;   // mm
};

struct FlatBlank {
  double thickness = 0;
  BlankLoop outer;
  std::vector<BlankLoop> holes;
  std::vector<BlankBend> bends;
  double width = 0, height = 0;  // extent of the outer contour along X and Y
};

// Develops the body from its largest planar face. HostError(ModellingFailed) naming
// `bodyLabel` when the body is not one sheet of constant thickness or its developed
// faces do not make one blank.
FlatBlank DevelopBlank(const TopoDS_Shape& body, const std::string& bodyLabel);

}  // namespace platform::sheet_metal
