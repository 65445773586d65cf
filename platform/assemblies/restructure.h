// Moving components to another place in the assembly tree without moving them in space.
#pragma once
#include "platform/assemblies/occurrence.h"

namespace platform {

// Puts an instance of `component`'s part into `newParent`'s part at the placement that
// keeps it where it is (the inverse of newParent's placement composed with the
// component's), carrying the name, display and attributes of the component and of the
// occurrences below it. With `deleteOriginal` the old instance is removed. Returns the
// moved component as seen from the same root. HostError naming the component when it
// is a root, of another assembly than newParent, newParent itself or above it, or when
// newParent's part is not loaded. A component already directly below newParent is
// returned as it is when `deleteOriginal` is set.
ComponentOccurrence& RestructureComponent(ComponentOccurrence& component, ComponentOccurrence& newParent,
                                          bool deleteOriginal);

}  // namespace platform
