#include "platform/api/cycle.h"

#include <algorithm>
#include <map>

#include "platform/assemblies/occurrence.h"
#include "platform/assemblies/occurrences.h"
#include "platform/objects/session.h"

namespace platform::api {
namespace {

struct CycleState {
  std::vector<Tag> sequence;
  size_t position = 0;  // index of the tag returned last
};

Tag NextAlive(CycleState& state, size_t from) {
  for (size_t i = from; i < state.sequence.size(); ++i)
    if (Session::Get().Find(state.sequence[i])) {
      state.position = i;
      return state.sequence[i];
    }
  state.position = state.sequence.size();
  return kNullTag;
}

}  // namespace

Tag CycleNext(const std::string& key, Tag current, const std::function<std::vector<Tag>()>& build) {
  static std::map<std::string, CycleState> cycles;
  CycleState& state = cycles[key];
  if (current == kNullTag) {
    state.sequence = build();
    return NextAlive(state, 0);
  }
  if (state.position < state.sequence.size() && state.sequence[state.position] == current)
    return NextAlive(state, state.position + 1);
  // The caller resumed from elsewhere: find its object in a fresh sequence.
  state.sequence = build();
  auto it = std::find(state.sequence.begin(), state.sequence.end(), current);
  if (it == state.sequence.end()) {
    state.position = state.sequence.size();
    return kNullTag;
  }
  return NextAlive(state, static_cast<size_t>(it - state.sequence.begin()) + 1);
}

std::vector<Tag> PartSequence(Part& part, int type) {
  std::vector<Tag> tags;
  for (const auto& object : part.Objects())
    if (type < 0 || object->Type() == type) tags.push_back(object->GetTag());
  for (const auto& object : part.SessionObjects())
    if (type < 0 || object->Type() == type) tags.push_back(object->GetTag());
  if (!part.Instances().empty())
    for (Object* occ : Occurrences::Get().AllOccurrences(part))
      if (type < 0 || occ->Type() == type) tags.push_back(occ->GetTag());
  return tags;
}

std::vector<Tag> ComponentSequence(Object& component) {
  auto* occ = dynamic_cast<ComponentOccurrence*>(&component);
  if (!occ) return {};
  std::vector<Tag> tags;
  if (!occ->parent && occ->part) {
    for (const auto& object : occ->part->Objects())
      if (object->Type() == kSolidType) tags.push_back(object->GetTag());
    for (Object* o : Occurrences::Get().AllOccurrences(*occ->part)) tags.push_back(o->GetTag());
    return tags;
  }
  auto walk = [&](auto&& self, ComponentOccurrence& c) -> void {
    for (BodyOccurrence* body : Occurrences::Get().BodyOccurrences(c)) tags.push_back(body->GetTag());
    for (ComponentOccurrence* child : Occurrences::Get().Children(c)) {
      tags.push_back(child->GetTag());
      self(self, *child);
    }
  };
  walk(walk, *occ);
  return tags;
}

}  // namespace platform::api
