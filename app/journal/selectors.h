// Journal selectors: the objects a `select` or `pick` line names (docs/journal.md).
#pragma once
#include <string>
#include <vector>

#include "platform/objects/tag.h"

namespace fabdoc::app::journal {

// The objects one selector names, in model order. Throws std::runtime_error naming the
// selector when it is malformed or matches nothing.
std::vector<platform::Tag> ResolveSelector(const std::string& utf8Selector);

// The selector naming one object the way a journal does, so that ResolveSelector gives it
// back: body:NAME, body:A/B/NAME (with #N among equal names), component:A/B, sheet:NAME,
// view:SHEET/VIEW. Throws
// std::runtime_error for an object no selector reaches.
std::string SelectorFor(platform::Tag tag);

// Every solid body the displayed part shows: its own, then its components' depth first.
std::vector<platform::Tag> DisplayedBodies();

}  // namespace fabdoc::app::journal
