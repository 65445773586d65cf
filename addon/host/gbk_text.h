// Byte-wise searches on GBK text that never land inside a double-byte character.
#pragma once
#include <string>

namespace kzt {

// Position of the last backslash that is a character of its own (a GBK trail byte
// may be 0x5C), or npos.
std::string::size_type LastBackslash(const std::string& text);
// What follows that backslash: the file name of a path.
std::string FileNameOf(const std::string& path);

}  // namespace kzt

namespace kzt {

// The first occurrence of `needle` that starts on a character boundary, or npos: a
// byte-wise search that never matches the trail byte of one character together with
// the lead byte of the next.
std::string::size_type find_gbk(const std::string& text, const std::string& needle);
inline bool contains_gbk(const std::string& text, const std::string& needle) {
  return find_gbk(text, needle) != std::string::npos;
}

}  // namespace kzt
