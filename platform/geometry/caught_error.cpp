#include "platform/geometry/caught_error.h"

#include <new>
#include <string>

#include <Standard_Failure.hxx>

namespace platform {

std::string FailureText(const Standard_Failure& failure) {
  std::string text = failure.GetMessageString();
  if (text.empty()) text = failure.DynamicType()->Name();
  return text;
}

HostError CaughtAsHostError() {
  try {
    throw;
  } catch (const HostError& e) {
    return e;
  } catch (const Standard_Failure& e) {
    return HostError(HostStatus::ModellingFailed, "the modeller failed: " + FailureText(e));
  } catch (const std::bad_alloc&) {
    return HostError(HostStatus::Aborted, "out of memory");
  } catch (const std::exception& e) {
    return HostError(HostStatus::Aborted, e.what());
  }
}

}  // namespace platform
