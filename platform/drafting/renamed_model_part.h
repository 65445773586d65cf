// Drawing views follow the part they show to its new file name.
#pragma once
#include <string>

namespace platform {

// Every drawing view of an open part that shows the part once named `oldPath` now shows
// it under `newPath`; its part is marked modified so that its next save records it.
void FollowRenamedModelPart(const std::string& oldPath, const std::string& newPath);

}  // namespace platform
