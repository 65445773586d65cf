// What a host call answers for whatever its body threw, so that the C interface and the
// object interface agree: a HostError as it is, a failure of the modeller (OCCT's
// Standard_Failure, which is no std::exception) as ModellingFailed, running out of memory
// and any other std::exception as Aborted.
#pragma once
#include "platform/base/host_error.h"

namespace platform {

// Call only inside a catch block; an exception of any other kind is thrown on.
HostError CaughtAsHostError();

}  // namespace platform
