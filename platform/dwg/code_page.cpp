#include "platform/dwg/code_page.h"

#include <stdexcept>

#include "platform/base/host_error.h"
#include "platform/text/gbk.h"

namespace platform::dwg {

std::string ToDrawingCodePage(std::string_view utf8, std::string_view what) {
  try {
    return text::ToGbk(utf8);
  } catch (const HostError& e) {
    throw std::invalid_argument(std::string(what) + ": " + e.what());
  }
}

std::string ToDrawingText(std::string_view utf8, std::string_view what) {
  constexpr std::string_view kDiameterSign = "\u2300";
  std::string text;
  for (size_t at = 0; at < utf8.size();) {
    if (utf8.substr(at, kDiameterSign.size()) == kDiameterSign) {
      text += "%%c";
      at += kDiameterSign.size();
    } else {
      text += utf8[at++];
    }
  }
  return ToDrawingCodePage(text, what);
}

}  // namespace platform::dwg
