// `fabdoc --version`: the project's version and the commit this build was made from.
#pragma once
#include <string>

namespace fabdoc::app {

std::string VersionText();

}  // namespace fabdoc::app
