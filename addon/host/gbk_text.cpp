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

}  // namespace kzt
