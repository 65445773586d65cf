// What the page's menu calls each action: the title of the dialog it opens, read from the
// dialog file, or a short description of a command that opens none. An action this table
// does not know (a host command added later) is shown by its name.
#pragma once
#include <string>


namespace fabdoc::app::serve {

// The label (UTF-8) of the menu action `name`.
std::string ActionLabel(const std::string& name);

}  // namespace fabdoc::app::serve
