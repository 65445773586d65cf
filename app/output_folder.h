// The folder a command writes its files into.
#pragma once
#include <string>

namespace fabdoc::app {

// Creates `dir` if needed and proves a file can be made in it; throws naming the folder.
void RequireWritableFolder(const std::string& dir);

}  // namespace fabdoc::app
