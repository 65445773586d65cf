// Block values as a journal writes them: parsing `set`/`expect` arguments into a
// property's type, and printing a property for `print` and error messages.
#pragma once
#include <string>
#include <vector>

#include "app/journal/journal.h"
#include "platform/ui/dialog.h"

namespace fabdoc::app::journal {

// Throws std::runtime_error saying what was expected; text is converted to GBK.
platform::ui::PropertyValue ParseValue(const platform::ui::Property& property, const std::vector<Token>& tokens);
// UTF-8 text in the journal's own syntax: "text", 12.5, true, 1,2,3, [body "NAME" (tag 10012)].
std::string FormatValue(const platform::ui::Property& property);
// Equal as the journal means it: numbers within 1e-9 relative, everything else exactly.
bool SameValue(const platform::ui::Property& property, const platform::ui::PropertyValue& expected);

}  // namespace fabdoc::app::journal
