// Journal identifiers of components: "COMPONENT <name> <n>", the n-th component of that
// name below a component.
#pragma once
#include <string>

#include "platform/assemblies/occurrence.h"

namespace platform {

// "COMPONENT <object name> 1".
std::string ComponentIdentifier(ComponentOccurrence& component);
// The n-th component below `from` whose object name or instance name is <name>, searching
// the direct children first, then below each child in turn by the same rule; null when
// none. HostError(InvalidArgument) naming an identifier that is not of that form.
ComponentOccurrence* FindComponent(ComponentOccurrence& from, const std::string& identifier);

}  // namespace platform
