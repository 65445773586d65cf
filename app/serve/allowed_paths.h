// The folders the server may read and write: a path the page names must lie inside one
// of them, after "..", links and the host's backslashes are resolved.
#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace fabdoc::app::serve {

// A path the page may not use; what() names it and the folders allowed.
struct PathRefused : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The local file `userPath` names: relative paths start at `folders[0]`; a host path
// (backslashes) is mapped to this machine first. Throws PathRefused unless the file lies
// inside one of `folders`.
std::filesystem::path AllowedPath(const std::vector<std::filesystem::path>& folders, const std::string& userPath);

}  // namespace fabdoc::app::serve
