// Turns the platform's errors into the object interface's NXException at its boundary.
#pragma once
#include <string>

#include <NXOpen/NXException.hxx>

#include "platform/base/host_error.h"
#include "platform/base/refused_calls.h"
#include "platform/geometry/caught_error.h"
#include "platform/objects/session.h"
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

// Runs `f`; whatever it throws leaves as NXException with the host's code and text
// (CaughtAsHostError), as the object interface throws nothing else.
template <class F>
auto Call(F f) -> decltype(f()) {
  try {
    return f();
  } catch (const NXOpen::NXException&) {
    throw;
  } catch (...) {
    const HostError error = CaughtAsHostError();
    throw NXOpen::NXException(error.Code(), HostText(error.what()));
  }
}

// The live object of a tag, of the kind named by `what` ("a part"); NXException otherwise.
template <class T>
T& LiveAs(unsigned int tag, const char* what) {
  return Call([&]() -> T& { return Session::Get().RequireAs<T>(tag, what); });
}
inline Part& LivePart(unsigned int tag) { return LiveAs<Part>(tag, "a part"); }

// An NXException with a host status code and a UTF-8 message.
[[noreturn]] inline void Throw(HostStatus status, const std::string& utf8) {
  throw NXOpen::NXException(static_cast<int>(status), HostText(utf8));
}

}  // namespace platform::nxopen
