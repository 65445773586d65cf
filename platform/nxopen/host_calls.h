// Turns the platform's errors into the object interface's NXException at its boundary.
#pragma once
#include <string>

#include <NXOpen/NXException.hxx>

#include "platform/objects/host_error.h"
#include "platform/text/gbk.h"

namespace platform::nxopen {

// Platform messages are UTF-8; the add-on shows NXException texts as host text (GBK).
inline std::string HostText(const std::string& utf8) {
  try {
    return text::ToGbk(utf8);
  } catch (const HostError&) {
    return utf8;
  }
}

// Runs `f`, rethrowing a HostError as NXException with the same code and text.
template <class F>
auto Call(F f) -> decltype(f()) {
  try {
    return f();
  } catch (const HostError& e) {
    throw NXOpen::NXException(e.Code(), HostText(e.what()));
  }
}

}  // namespace platform::nxopen
