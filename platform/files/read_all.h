#pragma once
// Reading a whole file into memory in large blocks, not a character at a time.
#include <istream>
#include <string>

namespace platform::files {

// Appends what is left of `in` to `bytes`; false when reading failed before the end.
bool ReadAll(std::istream& in, std::string& bytes);

}  // namespace platform::files
