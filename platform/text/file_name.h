// Names a Windows file system accepts: no < > : " / \ | ? *, no control character, no
// trailing dot or space. Host text (GBK); a double-byte character is never split, so a
// trail byte 0x5C or 0x7C is not taken for a separator.
#pragma once
#include <string>
#include <string_view>

namespace platform::text {

// The name with every character a file name cannot hold replaced by "_" ("_" for "").
std::string SafeFileName(std::string_view gbkName);
inline bool FitsFileName(std::string_view gbkName) { return SafeFileName(gbkName) == gbkName; }

}  // namespace platform::text
