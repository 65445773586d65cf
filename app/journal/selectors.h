// Journal selectors: the objects a `select` or `pick` line names (docs/journal.md).
#pragma once
#include <string>
#include <vector>

#include "platform/objects/tag.h"

namespace fabdoc::app::journal {

// The objects one selector names, in model order. Throws std::runtime_error naming the
// selector when it is malformed or matches nothing.
std::vector<platform::Tag> ResolveSelector(const std::string& utf8Selector);

}  // namespace fabdoc::app::journal
