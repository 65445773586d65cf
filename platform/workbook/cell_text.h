// Cell text as the workbook stores it: XML cannot hold most control characters, so the
// workbook format writes them as "_xHHHH_" (and a literal "_x" that looks like such an
// escape gets its underscore escaped), which every reader decodes back.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace platform::workbook {

// The stored form of `utf8`; nothing when it is not valid UTF-8.
std::optional<std::string> EncodeCellText(std::string_view utf8);

}  // namespace platform::workbook
