// A view whose scale alone changed is drawn again from what it drew, not projected again:
// the projection of the same bodies along the same direction only grows or shrinks.
#pragma once
#include "platform/drafting/view_curves.h"

namespace platform::drafting {

// Every curve of `content` multiplied by `factor` about the view origin, then drawn as a
// person sees it at the new size (repeated curves once, hidden stretches under visible
// edges dropped, extent measured again). Only a reduction (0 < factor <= 1) keeps the
// polylines within their tolerance and everything a fresh projection would merge merged;
// anything else throws std::invalid_argument.
ViewContent Rescaled(const ViewContent& content, double factor);

}  // namespace platform::drafting
