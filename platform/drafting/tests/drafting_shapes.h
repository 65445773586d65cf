// Solids for the drafting tests, built straight from the modeller (no session needed).
#pragma once
#include <vector>

#include <TopoDS_Shape.hxx>

#include "platform/drafting/hidden_line_projection.h"
#include "platform/drafting/view_curves.h"

namespace drafting_test {

// A box from (x, y, z) with sides dx, dy, dz.
TopoDS_Shape Box(double dx, double dy, double dz, double x = 0, double y = 0, double z = 0);
// A square tube along +Z from z = 0: outer side w, wall t, length l, centred on the Z axis.
TopoDS_Shape SquareTube(double w, double t, double l);
// A plate dx x dy x dz centred on the Z axis (bottom at z = 0) with round through holes
// of diameter d at the given (x, y) centres.
TopoDS_Shape PlateWithHoles(double dx, double dy, double dz, double d,
                            const std::vector<platform::drafting::Point2>& holes);
// One body at the origin, projected along the named model view at `scale`.
platform::drafting::ViewContent Project(const TopoDS_Shape& shape, const char* view, double scale = 1,
                                        platform::drafting::HlrMethod method = platform::drafting::HlrMethod::Exact);

std::vector<platform::drafting::Line2> LinesOf(const std::vector<platform::drafting::Curve2>& curves);
std::vector<platform::drafting::Arc2> ArcsOf(const std::vector<platform::drafting::Curve2>& curves);

}  // namespace drafting_test
