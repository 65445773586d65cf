// Part sheets for the dimension tests, made as the drawing command makes them: the A4
// template, the part scale rule, the front view, the views below and right of it and the
// isometric view at 0.3 of the scale, all updated. And the parts they show.
#pragma once
#include <array>
#include <string>
#include <vector>

#include <TopoDS_Shape.hxx>

#include "platform/drafting/drawing.h"
#include "platform/objects/part.h"

namespace fabdoc_test {

// Where the drawing command puts the views of a part of these extents on an A4 sheet: the
// part scale rule, the front view's centre, the view below it and the view right of it.
struct PartSheetLayout {
  double scale = 1;
  std::array<double, 2> front{}, lower{}, right{};
};
PartSheetLayout LayoutForExtents(double e0, double e1, double e2);

// `shape` as a body of `part`, drawn on a new A4 sheet of that name.
platform::DrawingSheet& DrawPartSheet(platform::Part& part, const TopoDS_Shape& shape, const std::string& sheetName);
// Each shape as a body of `part`, all drawn together on one A4 sheet, laid out for their extent.
platform::DrawingSheet& DrawBodiesSheet(platform::Part& part, const std::vector<TopoDS_Shape>& shapes,
                                        const std::string& sheetName);

// A square tube along +X from x = 0: outer side w, wall t, long side `length` on top
// (z = w), its right end cut at `angleDeg` to the length so the bottom side is shorter.
TopoDS_Shape MitredTube(double w, double t, double length, double angleDeg);

}  // namespace fabdoc_test
