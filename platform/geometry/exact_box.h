// The tight box of a shape along the axes of a coordinate frame, from the exact
// geometry (no tessellation): what stock a part is cut from, measured along its own axes.
#pragma once
#include <array>

#include <TopoDS_Shape.hxx>

#include "platform/geometry/body.h"

namespace platform {

// A right-handed orthonormal frame: origin and X, Y, Z axes, absolute coordinates.
struct Frame {
  std::array<double, 3> origin{};
  std::array<std::array<double, 3>, 3> axes{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
};

// HostError(InvalidArgument) unless the axes are unit length, perpendicular and right-handed.
void CheckFrame(const Frame& frame);

// The shape's box in the frame's coordinates (min and max along each axis).
// HostError(NoGeometry) for an empty shape; HostError(InvalidArgument) for axes that
// are not orthonormal and right-handed.
Box ExactBoxInFrame(const TopoDS_Shape& shape, const Frame& frame);

}  // namespace platform
