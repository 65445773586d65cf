// Turns the projected edges the hidden-line algorithms return (lying in the view plane)
// into sheet curves: lines and arcs exactly, anything else as a polyline.
#pragma once
#include <vector>

#include <TopoDS_Shape.hxx>

#include "platform/drafting/view_curves.h"

namespace platform::drafting {

// Largest distance, in sheet mm, between a polyline and the curve it stands for.
inline constexpr double kPolylineChordMm = 0.02;

// Appends every edge of `edges` (a compound, possibly null) scaled by `scale`.
void AppendCurves(const TopoDS_Shape& edges, double scale, std::vector<Curve2>& out);

}  // namespace platform::drafting
