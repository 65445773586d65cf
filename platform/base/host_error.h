// The one error type of the platform: a host status code plus a message naming
// what failed. extern "C" entry points turn it into the code and remember the text.
#pragma once
#include <stdexcept>
#include <string>

namespace platform {

enum class HostStatus : int {
  Ok = 0,
  InvalidTag = 1001,       // a tag that names no live object
  WrongObjectType = 1002,  // the object is not of the kind the call needs
  InvalidArgument = 1003,
  NotFound = 1004,         // attribute, part, file or block not found
  FileError = 1005,        // a file could not be read or written
  BadPartFile = 1006,      // not a part file of ours, or damaged
  NoGeometry = 1007,       // a geometric computation had nothing to work on
  ModellingFailed = 1008,  // the modeller refused an operation
  NoWorkPart = 1009,
  NotImplemented = 1010,
  Aborted = 1011,
};

class HostError : public std::runtime_error {
public:
  HostError(HostStatus status, const std::string& message)
      : std::runtime_error(message), status_(status) {}
  HostStatus Status() const { return status_; }
  int Code() const { return static_cast<int>(status_); }

private:
  HostStatus status_;
};

// The host's short text for a status code (what UF_get_fail_message returns).
const char* StatusText(int code);

}  // namespace platform
