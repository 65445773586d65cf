#include "platform/drafting/view_edits.h"

#include <algorithm>

#include "platform/assemblies/occurrence.h"
#include "platform/assemblies/occurrences.h"
#include "platform/base/host_error.h"
#include "platform/drafting/view_content.h"
#include "platform/geometry/body.h"
#include "platform/text/gbk.h"

namespace platform::drafting {

namespace {

constexpr const char* kBodyPrefix = "body:";
constexpr const char* kOccurrencePrefix = "occurrence:";

std::string NamedView(const DraftingView& view) { return "view \"" + text::ToUtf8Lossy(view.name) + "\""; }

// The key without asking whether the view can show the body.
std::string KeyOf(const Object& body) {
  if (auto* occ = dynamic_cast<const BodyOccurrence*>(&body)) return kOccurrencePrefix + occ->key;
  return kBodyPrefix + std::to_string(body.pid);
}

}  // namespace

void MarkViewChanged(DraftingView& view) {
  view.outOfDate = true;
  if (view.owner) view.owner->modified = true;
}

std::string ShownBodyKey(const DraftingView& view, const Object& body) {
  const Part& shown = ShownPart(view);
  if (auto* own = dynamic_cast<const Body*>(&body); own && own->owner == &shown) return KeyOf(body);
  if (dynamic_cast<const BodyOccurrence*>(&body))
    for (Object* object : Occurrences::Get().AllOccurrences(const_cast<Part&>(shown)))
      if (object == &body) return KeyOf(body);
  throw HostError(HostStatus::InvalidArgument, "object " + std::to_string(body.GetTag()) + " is not a body " +
                                                   NamedView(view) + " can show");
}

Object* ShownBodyOfKey(const DraftingView& view, const std::string& key) {
  Part& shown = ShownPart(view);
  if (key.rfind(kBodyPrefix, 0) == 0) {
    Object* body = shown.FindByPid(static_cast<std::uint32_t>(std::stoul(key.substr(std::string(kBodyPrefix).size()))));
    return dynamic_cast<Body*>(body);
  }
  const std::string path = key.substr(std::string(kOccurrencePrefix).size());
  for (Object* object : Occurrences::Get().AllOccurrences(shown))
    if (auto* occ = dynamic_cast<BodyOccurrence*>(object); occ && occ->key == path) return occ;
  return nullptr;
}

// `body` is one the view shows (ShownBodies asks), so its key needs no check.
bool IsErased(const DraftingView& view, const Object& body) {
  if (view.erased.empty()) return false;
  const std::string key = KeyOf(body);
  return std::find(view.erased.begin(), view.erased.end(), key) != view.erased.end();
}

void EraseFromView(DraftingView& view, const Object& body) {
  const std::string key = ShownBodyKey(view, body);
  if (std::find(view.erased.begin(), view.erased.end(), key) != view.erased.end()) return;
  view.erased.push_back(key);
  MarkViewChanged(view);
}

void ApplyShadeEdit(DraftingView& view, const Object& body, int color, int transparency) {
  if (transparency < 0 || transparency > 100)
    throw HostError(HostStatus::InvalidArgument, NamedView(view) + ": transparency " + std::to_string(transparency) +
                                                     " is not in 0..100");
  const std::string key = ShownBodyKey(view, body);
  std::erase_if(view.shadeEdits, [&](const ShadeEdit& edit) { return edit.body == key; });
  view.shadeEdits.push_back({key, color, transparency});
  MarkViewChanged(view);
}

void RemoveAllEdits(DraftingView& view) {
  if (view.erased.empty() && view.shadeEdits.empty()) return;
  view.erased.clear();
  view.shadeEdits.clear();
  MarkViewChanged(view);
}

}  // namespace platform::drafting
