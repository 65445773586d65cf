// Dialogs as the page sees them, and block values the page sends turned into the
// journal's value syntax (the runner then parses and checks them as for a journal).
#pragma once
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/journal/journal.h"
#include "platform/ui/dialog.h"

namespace fabdoc::app::serve {

// {"file", "title", "blocks": [{"id", "kind", "label", "usable", "shown", "enabled",
//   "main", "properties": {NAME: {"type", "value", "members"?}}, "tree"?, "children"}]}
nlohmann::json DialogJson(platform::ui::Dialog& dialog);

// The tokens of `set` for a JSON value of the property; throws std::invalid_argument
// naming the block, the property and the type it takes when the JSON type is wrong.
std::vector<journal::Token> ValueTokens(const platform::ui::Block& block, const std::string& property,
                                        const nlohmann::json& value);

}  // namespace fabdoc::app::serve
