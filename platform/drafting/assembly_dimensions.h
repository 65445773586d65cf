// The dimensions of an assembly sheet (a sub-assembly or the general arrangement): the
// assembly's overall length, width and height, each once, on the first of the front view,
// the view from above and the side view that shows it; and where the marks stand for
// parts (not sub-assemblies), the positions of the main members from one datum, the
// assembly's left end and bottom edge as each view draws them: running dimensions to
// each member's near end or edge. Main members are the parts whose largest extent is at
// least half the assembly's largest extent; of members whose positions lie closer on the
// sheet than a text's height, the first gives the position. The part marks come from part_mark_*.h.
#pragma once
#include <vector>

#include "platform/drafting/dimension_strips.h"
#include "platform/drafting/view_frame.h"
#include "platform/objects/object.h"

namespace platform::drafting {

constexpr double kMainMemberShare = 0.5;

std::vector<Proposal> ProposeAssemblyDimensions(const std::vector<Object*>& shown, const std::vector<ViewFrame>& frames,
                                                bool memberPositions);

}  // namespace platform::drafting
