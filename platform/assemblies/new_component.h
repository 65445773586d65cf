// A new component made from bodies: copies of the bodies go into a new part, which is
// added to the work part where the bodies were.
#pragma once
#include <string>
#include <vector>

#include "platform/assemblies/occurrence.h"
#include "platform/objects/part.h"

namespace platform {

// Copies each body (a body of `work`, or a body occurrence below the work component)
// into `newPart` as placed in `work`, keeping name, attributes, display and density;
// then adds `newPart` to `work` at the identity placement, with `name` as instance and
// object name. Returns the new component as the displayed assembly sees it (as `work`
// sees it when `work` is not in the displayed assembly). Checks every body first:
// HostError naming a body that is not in the work part; nothing is changed then.
ComponentOccurrence& MakeComponentFromBodies(Part& work, Part& newPart, const std::vector<Object*>& bodies,
                                             const std::string& name);

}  // namespace platform
