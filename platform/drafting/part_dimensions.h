// The dimensions a part sheet gets, from its one body's B-rep, as proposals for the
// strips: overall sizes (plates and flat bars all three, profiles their length), holes
// located by running dimensions from the view's left end and bottom edge with equal
// pitches collapsed ("3×150=450") and their diameters once per group ("4×⌀18"), sawn or
// mitred ends (the angle, the long and the short side), bends (the flat length and the
// bend positions). Never on a pictorial (isometric) view.
#pragma once
#include <string>
#include <vector>

#include "platform/drafting/dimension_strips.h"
#include "platform/drafting/drawing.h"
#include "platform/objects/object.h"

namespace platform::drafting {

// `body` as the sheet's views show it. HostError(NoGeometry) naming the sheet and the
// body when it has no volume.
std::vector<Proposal> ProposePartDimensions(const DrawingSheet& sheet, Object& body);

// "450", "12.5": model millimetres as dimensions print them (0.1 mm, no trailing zero).
std::string MmText(double mm);

}  // namespace platform::drafting
