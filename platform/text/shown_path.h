// Host paths in the lines a user reads: this machine's own path wherever there is one.
#pragma once
#include <string>
#include <string_view>

namespace platform {

// The local path of `hostPath` (UTF-8), or the host path itself in UTF-8 when it has
// none (an unmapped drive, bytes that are not GBK). Never throws for bad input.
std::string ShownPath(std::string_view hostPath);

}  // namespace platform
