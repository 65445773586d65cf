// Host text is GBK (code page 936); the platform converts at its edges only.
#pragma once
#include <string>
#include <string_view>

namespace platform::text {

// UTF-8 to GBK; throws HostError(InvalidArgument) naming the text when a character
// has no GBK form or the input is not UTF-8.
std::string ToGbk(std::string_view utf8);
// GBK to UTF-8; throws HostError(InvalidArgument) when the bytes are not GBK.
std::string ToUtf8(std::string_view gbk);
// Converts whatever it can, replacing bad sequences by '?': for messages about bad text.
std::string ToUtf8Lossy(std::string_view gbk);
// Well-formed UTF-8 as the standard defines it: no overlong forms, no surrogates, nothing
// past U+10FFFF, no sequence cut short.
bool IsValidUtf8(std::string_view bytes);

}  // namespace platform::text
