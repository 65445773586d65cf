// The solid of a block feature: a box from a corner along two directions.
#pragma once
#include <array>

#include <TopoDS_Shape.hxx>

namespace platform {

// A box with its corner at `corner`, edges `length` along X, `width` along Y (made
// perpendicular to X in their plane) and `height` along X x Y. HostError(InvalidArgument)
// naming what is wrong: an edge not greater than zero, or X and Y zero or parallel.
TopoDS_Shape MakeBlockShape(const std::array<double, 3>& corner, const std::array<double, 3>& xDirection,
                            const std::array<double, 3>& yDirection, double length, double width, double height);

}  // namespace platform
