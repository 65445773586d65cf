// What an assembly part remembers about the occurrences below it, kept in step with the
// live occurrences of the session.
#pragma once
#include "platform/objects/part.h"

namespace platform {

// Copies the name, display and attributes of every live occurrence whose root is `root`
// into root.occurrenceOverrides (before a save, or before instances move).
void FoldOccurrences(Part& root);

}  // namespace platform
