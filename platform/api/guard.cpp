#include "platform/api/guard.h"

#include "platform/geometry/feature.h"
#include "platform/objects/part.h"

namespace platform::api {
namespace {
Failure& Last() {
  static Failure failure;
  return failure;
}
}  // namespace

const Failure& LastFailure() { return Last(); }

int Fail(const char* function, int code, std::string text) noexcept {
  try {
    Last() = {code, function, std::move(text)};
  } catch (...) {
    // Keeping the message needs memory; the code still goes back to the caller.
  }
  return code;
}

Part& NeedPart(Tag tag) { return Session::Get().RequireAs<Part>(tag, "a part"); }

Part& WorkPart() {
  Part* work = Session::Get().Work();
  if (!work) throw HostError(HostStatus::NoWorkPart, "there is no work part; open or create a part first");
  return *work;
}

Part& OwningPart(Object& object) {
  if (auto* part = dynamic_cast<Part*>(&object)) return *part;
  if (!object.owner) throw HostError(HostStatus::WrongObjectType, TagText(object.GetTag()) + " belongs to no part");
  return *object.owner;
}

Object& Displayable(Tag tag) {
  Object& object = Live(tag);
  if (dynamic_cast<Part*>(&object) || dynamic_cast<Feature*>(&object))
    throw HostError(HostStatus::WrongObjectType, TagText(tag) + " has no display properties");
  return object;
}

void CopyOut(char* buffer, size_t size, std::string_view text) {
  if (!buffer || size == 0) return;
  size_t n = 0;
  while (n < text.size()) {
    const size_t width = static_cast<unsigned char>(text[n]) >= 0x81 ? 2 : 1;
    if (n + width > size - 1) break;
    n += width;
  }
  n = std::min(n, text.size());
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

char* DupString(std::string_view text) {
  auto* out = static_cast<char*>(std::malloc(text.size() + 1));
  if (!out) throw std::bad_alloc();
  std::memcpy(out, text.data(), text.size());
  out[text.size()] = '\0';
  return out;
}

std::string TagText(Tag tag) { return "object " + std::to_string(tag); }

}  // namespace platform::api
