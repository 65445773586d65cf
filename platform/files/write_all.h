#pragma once
// Writing to a file descriptor until every byte is out.
#include <string_view>

namespace platform::files {

// Writes all of `bytes` to `fd`, through short writes and interrupts; false on failure
// (errno says why).
bool WriteAll(int fd, std::string_view bytes);

}  // namespace platform::files
