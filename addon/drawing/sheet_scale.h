// The scale of a sheet from the extents of what it shows, kept with the gaps in the
// dialog's state for the view layout.
#pragma once
#include <uf_defs.h>

#include "drawing/drawing_state.h"

namespace kzt {

// General arrangement: the boxes of all solid bodies of the work part (`object` unread).
int A3总图比例设置(DrawingState& state, tag_t object, double& scale);
// The axes a sub-assembly sheet's views are drawn in: the component part's own (component
// mode draws its model views) or the assembly's (layer mode imports the work part's views).
enum class SheetAxes { Assembly, Component };
// Sub-assembly: the boxes of the bodies under the component, sub-parts placed by their
// occurrences, along the axes its sheet is drawn in; a turned component's boxes in
// assembly axes would lay its width out as its depth.
int A3部件比例设置(DrawingState& state, tag_t component, double& scale, SheetAxes axes = SheetAxes::Assembly);
// True when the component's placement turns it (not only moves it) in the assembly.
bool turned_in_assembly(tag_t component);
// Part: the body's exact box.
int A4比例设置(DrawingState& state, tag_t body, double& scale);

}  // namespace kzt
