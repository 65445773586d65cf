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
#include "platform/drafting/hole_table_rows.h"
#include "platform/objects/object.h"

namespace platform::drafting {

// Hole positions of a view along one of its screen axes (view id, 0 X or 1 Y).
using PositionsKey = std::pair<std::uint32_t, int>;

// Where hole positions go when the view showing the holes round has no room for them:
// positions named in `elsewhere` to the next view that shows their direction; the holes
// of the views in `tabled` (positions and diameters) into a hole table.
struct HoleFallbacks {
  std::set<PositionsKey> elsewhere;
  std::set<std::uint32_t> tabled;
};

struct PartProposals {
  std::vector<Proposal> dimensions;
  std::vector<TabledHoles> tables;  // one per tabled view that shows holes
};

// `body` as the sheet's views show it. HostError(NoGeometry) naming the sheet and the
// body when it has no volume.
PartProposals ProposePartDimensions(const DrawingSheet& sheet, Object& body, const HoleFallbacks& fallbacks = {});

// "450", "12.5": model millimetres as dimensions print them (0.1 mm, no trailing zero).
std::string MmText(double mm);

}  // namespace platform::drafting
