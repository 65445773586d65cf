// Removing the parameters of bodies: the bodies stay as they are, the features that
// made or link them go, so nothing ties them to their history or to another part.
#pragma once
#include <vector>

#include "platform/geometry/body.h"
#include "platform/objects/part.h"

namespace platform {

// Takes each body out of the features of `part` that made or refer to it and deletes
// the features left with no body. HostError naming a body that is not in `part`;
// nothing is changed then. Returns the number of features deleted.
int RemoveParameters(Part& part, const std::vector<Body*>& bodies);

}  // namespace platform
