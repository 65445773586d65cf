#include "platform/text/file_name.h"

namespace platform::text {

std::string SafeFileName(std::string_view name) {
  std::string safe;
  for (size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = name[i];
    if (c >= 0x81 && i + 1 < name.size()) {  // a double-byte character stays whole
      safe += name.substr(i++, 2);
      continue;
    }
    const bool refused = c < 0x20 || std::string_view("<>:\"/\\|?*").find(static_cast<char>(c)) != std::string_view::npos;
    safe += refused ? '_' : static_cast<char>(c);
  }
  for (size_t i = safe.size(); i > 0 && (safe[i - 1] == '.' || safe[i - 1] == ' '); --i) safe[i - 1] = '_';
  return safe.empty() ? "_" : safe;
}

}  // namespace platform::text
