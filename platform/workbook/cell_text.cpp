#include "platform/workbook/cell_text.h"

#include <cctype>
#include <cstdio>

namespace platform::workbook {

namespace {

// Length of the UTF-8 sequence starting at `i`, or 0 when it is malformed.
size_t Utf8SequenceLength(std::string_view s, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || i + length > s.size()) return 0;
  unsigned code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  static constexpr unsigned kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

bool LooksLikeEscape(std::string_view s, size_t i) {
  if (i + 7 > s.size() || s[i] != '_' || s[i + 1] != 'x' || s[i + 6] != '_') return false;
  for (size_t k = i + 2; k < i + 6; ++k)
    if (!std::isxdigit(static_cast<unsigned char>(s[k]))) return false;
  return true;
}

}  // namespace

std::optional<std::string> EncodeCellText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const size_t length = Utf8SequenceLength(utf8, i);
    if (length == 0) return std::nullopt;
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x20 && c != '\t' && c != '\n') {  // a bare CR would be read back as LF
      char escape[8];
      std::snprintf(escape, sizeof escape, "_x%04X_", c);
      out += escape;
    } else if (LooksLikeEscape(utf8, i)) {
      out += "_x005F_";
    } else {
      out.append(utf8.substr(i, length));
    }
    i += length;
  }
  return out;
}

}  // namespace platform::workbook
