// Performs the projections of several views at once, one per core, where OCCT allows it:
// each projection has its own algorithm objects and only reads the bodies' shapes.
#pragma once
#include <vector>

#include "platform/drafting/hidden_line_projection.h"

namespace platform::drafting {

// Calls Perform() on every projection; read each one's IsDone() and Failure() afterwards.
// Those that may run alongside others (HiddenLineProjection::RunsAlongsideOthers) share
// the cores; the rest run in their order once those are done, one after another except
// consecutive polygonal ones meshed to the same fineness, which share the cores once their
// shapes are meshed. An exception other than a modeller failure is thrown again here
// after every thread has finished.
void PerformSideBySide(const std::vector<HiddenLineProjection*>& projections);

}  // namespace platform::drafting
