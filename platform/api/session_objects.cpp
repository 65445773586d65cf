#include "platform/api/session_objects.h"

#include <algorithm>
#include <vector>

#include "platform/objects/session.h"

namespace platform::api {

Object& KeepSessionObject(std::unique_ptr<Object> object) {
  static std::vector<std::unique_ptr<Object>> kept;
  Session& session = Session::Get();
  std::erase_if(kept, [&](const std::unique_ptr<Object>& o) {
    const bool partOpen = std::any_of(session.Parts().begin(), session.Parts().end(),
                                      [&](const auto& p) { return p.get() == o->owner; });
    if (!partOpen && session.Find(o->GetTag()) == o.get()) session.Unregister(o->GetTag());
    return !partOpen;
  });
  session.Register(*object);
  kept.push_back(std::move(object));
  return *kept.back();
}

}  // namespace platform::api
