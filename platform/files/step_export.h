// Writing a part and the component parts below it as one STEP assembly, keeping the
// names, colours, layers and placements; the file is replaced atomically.
#pragma once
#include <string>

#include "platform/objects/part.h"

namespace platform::files {

// Component parts that are not open are opened from their files. Throws HostError
// naming the file that cannot be written, or the component part that cannot be read.
void ExportStep(Part& root, const std::string& stepHostPath);

}  // namespace platform::files
