// View orientations: the rows of a view's orientation from a model view, and the
// first-angle projection of a view towards one side of it.
#pragma once
#include <array>
#include <string>

namespace platform::drafting {

using Orientation = std::array<double, 9>;  // model directions of view X, Y, Z, as rows

// HostError(NotFound) naming the view when there is no standard model view of that name.
Orientation OrientationOf(const std::string& modelView);
// The standard model view with that orientation; empty when none has it.
std::string ModelViewNamed(const Orientation& orientation);

// The view seen from the side opposite to where it is placed (first angle): placed
// below (3) it shows the parent from above, placed right (2) from the parent's left,
// above (1) from below, left (4) from the right.
Orientation FirstAngleProjection(const Orientation& parent, int direction);

}  // namespace platform::drafting
