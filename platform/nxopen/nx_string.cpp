// NXString and NXException of the object interface.
#include <NXOpen/NXException.hxx>
#include <NXOpen/NXString.hxx>

#include "platform/base/host_error.h"
#include "platform/nxopen/host_calls.h"
#include "platform/text/gbk.h"

namespace NXOpen {

NXString::NXString() = default;
NXString::NXString(const char* text) : text_(text ? text : "") {}
NXString::NXString(const std::string& text) : text_(text) {}
NXString::NXString(const char* text, Encoding encoding) : NXString(std::string(text ? text : ""), encoding) {}
NXString::NXString(const std::string& text, Encoding encoding)
    : text_(encoding == UTF8 ? platform::nxopen::Call([&] { return platform::text::ToGbk(text); }) : text) {}

const char* NXString::GetText() const { return text_.c_str(); }
const char* NXString::GetLocaleText() const { return text_.c_str(); }
const char* NXString::GetUTF8Text() const {
  utf8_ = platform::text::ToUtf8Lossy(text_);
  return utf8_.c_str();
}

NXException::NXException(int errorCode, const std::string& message) : code_(errorCode), message_(message) {}
NXException::~NXException() = default;
NXException NXException::Create(int errorCode) { return NXException(errorCode, platform::StatusText(errorCode)); }
NXException NXException::Create(const char* message) { return NXException(0, message ? message : ""); }

}  // namespace NXOpen
