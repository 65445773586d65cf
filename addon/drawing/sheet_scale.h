// The scale of a sheet from the extents of what it shows, kept with the gaps in the
// dialog's state for the view layout.
#pragma once
#include <uf_defs.h>

#include "drawing/drawing_state.h"

namespace kzt {

// General arrangement: the boxes of all solid bodies of the work part (`object` unread).
int A3总图比例设置(DrawingState& state, tag_t object, double& scale);
// Sub-assembly: the boxes of the bodies under the component, along the component's own
// axes when it is turned in the assembly (its views show it as its part lies).
int A3部件比例设置(DrawingState& state, tag_t component, double& scale);
// Part: the body's exact box.
int A4比例设置(DrawingState& state, tag_t body, double& scale);

}  // namespace kzt
