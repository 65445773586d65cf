// What a part's new file name changes in the rest of the session.
#pragma once
#include <string>

#include "platform/objects/part.h"

namespace platform {

// After `part` took a new file name (its path already changed from `oldPath`): every
// open part placing it refers to the new name and is marked modified, so that its next
// save records the name; the occurrences showing it carry the new name too.
void FollowRenamedPart(Part& part, const std::string& oldPath);

}  // namespace platform
