#include "platform/geometry/caught_error.h"

#include <new>
#include <string>

#include <Standard_Failure.hxx>

namespace platform {

HostError CaughtAsHostError() {
  try {
    throw;
  } catch (const HostError& e) {
    return e;
  } catch (const Standard_Failure& e) {
    return HostError(HostStatus::ModellingFailed, std::string("the modeller failed: ") + e.GetMessageString());
  } catch (const std::bad_alloc&) {
    return HostError(HostStatus::Aborted, "out of memory");
  } catch (const std::exception& e) {
    return HostError(HostStatus::Aborted, e.what());
  }
}

}  // namespace platform
