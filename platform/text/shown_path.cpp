#include "platform/text/shown_path.h"

#include "platform/base/host_error.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

namespace platform {

std::string ShownPath(std::string_view hostPath) {
  try {
    return ToLocalPath(hostPath);
  } catch (const HostError&) {
    return text::ToUtf8Lossy(hostPath);
  }
}

}  // namespace platform
