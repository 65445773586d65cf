#include "platform/text/gbk.h"

#include <cerrno>
#include <iconv.h>

#include "platform/base/host_error.h"

namespace platform::text {
namespace {

// Returns false on an invalid or unconvertible sequence; `out` then holds what was done.
bool Convert(const char* to, const char* from, std::string_view in, std::string& out,
             bool lossy) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1))
    throw HostError(HostStatus::NotImplemented, std::string("no converter from ") + from + " to " + to);
  out.clear();
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char buffer[4096];
  bool ok = true;
  while (srcLeft > 0) {
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, dst - buffer);
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      ok = false;
      if (!lossy) break;
      out.push_back('?');
      ++src;
      --srcLeft;
    }
  }
  iconv_close(cd);
  return ok;
}

std::string Printable(std::string_view bytes) {
  std::string s;
  for (unsigned char c : bytes.substr(0, 60)) {
    if (c >= 0x20 && c < 0x7f) s.push_back(static_cast<char>(c));
    else {
      static const char* hex = "0123456789ABCDEF";
      s += "\\x";
      s.push_back(hex[c >> 4]);
      s.push_back(hex[c & 15]);
    }
  }
  return s;
}

}  // namespace

std::string ToGbk(std::string_view utf8) {
  std::string out;
  if (!Convert("GBK", "UTF-8", utf8, out, false))
    throw HostError(HostStatus::InvalidArgument,
                    "text \"" + Printable(utf8) + "\" cannot be written in GBK");
  return out;
}

std::string ToUtf8(std::string_view gbk) {
  std::string out;
  if (!Convert("UTF-8", "GBK", gbk, out, false))
    throw HostError(HostStatus::InvalidArgument,
                    "text \"" + Printable(gbk) + "\" is not valid GBK");
  return out;
}

std::string ToUtf8Lossy(std::string_view gbk) {
  std::string out;
  Convert("UTF-8", "GBK", gbk, out, true);
  return out;
}

// Decoded in place rather than through a converter: a STEP file of megabytes is checked
// before it is read, and a converter spends a hundred instructions on each byte.
bool IsValidUtf8(std::string_view bytes) {
  const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* end = at + bytes.size();
  while (at < end) {
    const unsigned char lead = *at;
    if (lead < 0x80) {
      ++at;
      continue;
    }
    // The lead byte gives the length and the range the second byte must lie in, which
    // shuts out overlong forms, surrogates (U+D800-DFFF) and anything past U+10FFFF.
    int length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (end - at < length || at[1] < low || at[1] > high) return false;
    for (int i = 2; i < length; ++i)
      if ((at[i] & 0xC0) != 0x80) return false;
    at += length;
  }
  return true;
}

}  // namespace platform::text
