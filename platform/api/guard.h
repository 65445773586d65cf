// The boundary of the host's C interface. Platform code throws; every extern "C"
// function runs its body through Guard, which turns the exception into the host's integer
// status code and remembers the message for UF_get_fail_message. Also the small
// conversions every C function needs (required arguments, output strings and arrays).
#pragma once
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/host_error.h"
#include "platform/base/refused_calls.h"
#include "platform/geometry/caught_error.h"
#include "platform/objects/session.h"

namespace platform::api {

// The last failure of a host call: which function, its code and the full message.
struct Failure {
  int code = 0;
  std::string function;
  std::string text;  // as thrown: UTF-8, or GBK where it quotes host text
};
const Failure& LastFailure();
// Records a failure and returns its code.
int Fail(const char* function, int code, std::string text) noexcept;

// Runs `body` (which returns nothing) and gives 0, or the code of what it threw.
template <class F>
int Guard(const char* function, F&& body) noexcept {
  try {
    CheckHostCall(function);
    body();
    return 0;
  } catch (...) {
    const HostError error = CaughtAsHostError();
    return Fail(function, error.Code(), error.what());
  }
}

// For calls that return a value rather than a code: the body's result, or `fallback`
// after recording the failure.
template <class T, class F>
T GuardValue(const char* function, T fallback, F&& body) noexcept {
  T result = fallback;
  Guard(function, [&] { result = body(); });
  return result;
}

// ---- arguments

// A required pointer argument; HostError(InvalidArgument) naming it when it is null.
template <class T>
T* Need(T* pointer, const char* what) {
  if (!pointer) throw HostError(HostStatus::InvalidArgument, std::string(what) + " is NULL");
  return pointer;
}
inline std::string NeedText(const char* text, const char* what) {
  return std::string(Need(text, what));
}

inline Object& Live(Tag tag) { return Session::Get().Require(tag); }
Part& NeedPart(Tag tag);           // a part tag
Part& WorkPart();                  // HostError(NoWorkPart) when there is none
Part& OwningPart(Object& object);  // a part is its own owner
// Objects that carry display properties (not parts, features or transforms).
Object& Displayable(Tag tag);

// ---- results

// Copies host text into a caller's buffer of `size` bytes, cutting it at a character
// boundary (GBK) so that it always ends in '\0'.
void CopyOut(char* buffer, size_t size, std::string_view text);
// A malloc'd copy for the caller to release with UF_free.
char* DupString(std::string_view text);
template <class T>
T* DupArray(const std::vector<T>& items) {
  if (items.empty()) return nullptr;
  auto* out = static_cast<T*>(std::malloc(items.size() * sizeof(T)));
  if (!out) throw std::bad_alloc();
  std::memcpy(out, items.data(), items.size() * sizeof(T));
  return out;
}

std::string TagText(Tag tag);  // "object 10023" for messages

}  // namespace platform::api
