// Saving a part under a new file name, as the host's save-as does.
#pragma once
#include <string>

#include "platform/objects/part.h"

namespace platform::files {

// Writes `part` to `newHostPath` and gives it that name; the open parts that place it,
// and the drawing views that show it, refer to the new name from then on (their next
// save records it). The old file is left
// on disk. Throws HostError naming the file when another open part has that name or the
// file cannot be written (read-only, folder missing); the part keeps its old name then.
void SavePartAs(Part& part, const std::string& newHostPath);

}  // namespace platform::files
