// The dimensions a part sheet gets, from its one body's B-rep, as proposals for the
// strips: overall sizes (plates and flat bars all three, profiles their length), holes
// located by running dimensions from the view's left end and bottom edge with equal
// pitches collapsed ("3×150=450") and their diameters once per group ("4×⌀18"), sawn or
// mitred ends (the angle, the long and the short side), bends (the flat length and the
// bend positions). Never on a pictorial (isometric) view.
#pragma once
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/drafting/dimension_strips.h"
#include "platform/drafting/drawing.h"
#include "platform/objects/object.h"

namespace platform::drafting {

// Hole positions of a view along one of its screen axes (view id, 0 X or 1 Y).
using PositionsKey = std::pair<std::uint32_t, int>;

// `body` as the sheet's views show it. The hole positions named in `elsewhere` go to the
// next view that shows their direction, when the view that shows the holes round has no
// room for them. HostError(NoGeometry) naming the sheet and the body when it has no volume.
std::vector<Proposal> ProposePartDimensions(const DrawingSheet& sheet, Object& body,
                                           const std::set<PositionsKey>& elsewhere = {});

// "450", "12.5": model millimetres as dimensions print them (0.1 mm, no trailing zero).
std::string MmText(double mm);

}  // namespace platform::drafting
