// Performs the projections of several views at once, one per core: each projection has
// its own algorithm objects and only reads the bodies' shapes.
#pragma once
#include <vector>

#include "platform/drafting/hidden_line_projection.h"

namespace platform::drafting {

// Calls Perform() on every projection; read each one's IsDone() and Failure() afterwards.
// Polygonal projections mesh their shapes in place, so they run one after another once
// the others are done. An exception other than a modeller failure is thrown again here
// after every thread has finished.
void PerformSideBySide(const std::vector<HiddenLineProjection*>& projections);

}  // namespace platform::drafting
