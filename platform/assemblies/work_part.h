// Which part edits go to: the work part, and the component of the displayed assembly
// it is seen through (the work occurrence).
#pragma once
#include "platform/assemblies/occurrence.h"
#include "platform/objects/part.h"

namespace platform {

// The first component of the displayed assembly that shows `part`; kNullTag if none.
Tag OccurrenceInDisplayed(Part& part);
// Makes the component's part the work part and the component the work occurrence (a
// root occurrence: its part, no work occurrence). HostError naming the component when
// its part is not loaded.
void SetWorkComponent(ComponentOccurrence& component);
// Makes a part the work part; its first occurrence in the displayed assembly becomes
// the work occurrence.
void SetWorkPart(Part& part);

}  // namespace platform
