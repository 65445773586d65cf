#include "platform/base/host_error.h"

namespace platform {

const char* StatusText(int code) {
  switch (static_cast<HostStatus>(code)) {
    case HostStatus::Ok: return "No error";
    case HostStatus::InvalidTag: return "Invalid object tag";
    case HostStatus::WrongObjectType: return "Object is of the wrong type for this operation";
    case HostStatus::InvalidArgument: return "Invalid argument";
    case HostStatus::NotFound: return "Not found";
    case HostStatus::FileError: return "File could not be read or written";
    case HostStatus::BadPartFile: return "Not a valid part file";
    case HostStatus::NoGeometry: return "Object has no geometry";
    case HostStatus::ModellingFailed: return "Modelling operation failed";
    case HostStatus::NoWorkPart: return "There is no work part";
    case HostStatus::NotImplemented: return "Operation not available in this host";
    case HostStatus::Aborted: return "Operation aborted";
  }
  return "Unknown error code";
}

}  // namespace platform
