// Byte-wise searches on GBK text.
#include "host/gbk_text.h"

namespace kzt {

std::string::size_type LastBackslash(const std::string& text) {
  std::string::size_type last = std::string::npos;
  for (std::string::size_type i = 0; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) >= 0x81) {
      ++i;  // lead byte: skip its trail byte
      continue;
    }
    if (text[i] == '\\') last = i;
  }
  return last;
}

std::string FileNameOf(const std::string& path) {
  const auto slash = LastBackslash(path);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace kzt

namespace kzt {

std::string::size_type find_gbk(const std::string& text, const std::string& needle) {
  if (needle.empty()) return 0;
  for (std::string::size_type i = 0; i + needle.size() <= text.size(); ++i) {
    if (text.compare(i, needle.size(), needle) == 0) return i;
    if (static_cast<unsigned char>(text[i]) >= 0x81) ++i;
  }
  return std::string::npos;
}

}  // namespace kzt
