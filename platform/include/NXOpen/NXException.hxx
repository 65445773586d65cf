// The exception every call of the object interface throws: a host error code and text.
#pragma once
#include <exception>
#include <string>

#include <NXOpen/libnxopencpp_exports.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT NXException : public std::exception {
public:
  NXException(int errorCode, const std::string& message);
  ~NXException() override;
  static NXException Create(int errorCode);
  static NXException Create(const char* message);

  int ErrorCode() const { return code_; }
  const char* Message() const { return message_.c_str(); }
  const char* what() const noexcept override { return message_.c_str(); }

private:
  int code_;
  std::string message_;
};

}  // namespace NXOpen
