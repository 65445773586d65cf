// Byte-wise searches on GBK text that never land inside a double-byte character.
#pragma once
#include <string>

namespace kzt {

// Position of the last backslash that is a character of its own (a GBK trail byte
// may be 0x5C), or npos.
std::string::size_type LastBackslash(const std::string& text);

}  // namespace kzt
