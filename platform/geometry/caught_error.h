// What a host call answers for whatever its body threw, so that the C interface and the
// object interface agree: a HostError as it is, a failure of the modeller (OCCT's
// Standard_Failure, which is no std::exception) as ModellingFailed, running out of memory
// and any other std::exception as Aborted.
#pragma once
#include <string>

#include "platform/base/host_error.h"

class Standard_Failure;

namespace platform {

// What the modeller says went wrong: its message, or the kind of failure when it says
// nothing (many of its exceptions carry no message).
std::string FailureText(const Standard_Failure& failure);

// Call only inside a catch block; an exception of any other kind is thrown on.
HostError CaughtAsHostError();

}  // namespace platform
