// The filled areas a drawing view draws under its edges: bodies with a shade edit, and
// every body of a fully shaded view. Computed from the bodies' meshes when drawn.
#pragma once
#include <vector>

#include "platform/drafting/drawing.h"
#include "platform/drafting/sheet_drawing.h"

namespace platform::drafting {

// The opacity a shade edit's transparency (0..100) is drawn with: 1 - t/100, but never
// below kLeastShadeOpacity, so that a nearly clear body still shows on paper.
inline constexpr double kLeastShadeOpacity = 0.2;
double ShadeOpacity(int transparency);

// In view coordinates (as the view's content). Bodies that are gone, erased or whose
// part is not open are left out.
std::vector<ShadeFill> ShadeFillsOf(const DraftingView& view);

}  // namespace platform::drafting
