// Closing parts: one part, or a part with the component parts below it.
#pragma once
#include "platform/objects/part.h"

namespace platform {

// Closes `part`; with `wholeTree`, also each component part below it that no other
// open part uses and that is not displayed. Unsaved changes are lost.
void CloseParts(Part& part, bool wholeTree);

}  // namespace platform
