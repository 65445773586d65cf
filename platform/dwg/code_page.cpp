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

}  // namespace platform::dwg
