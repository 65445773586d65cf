// Files below the host's installation folder (UGII_BASE_DIR).
#pragma once
#include <string>

namespace kzt {

// The folder named by UGII_BASE_DIR followed by `relative` (which starts with "\").
std::string host_file(const std::string& relative);

}  // namespace kzt
