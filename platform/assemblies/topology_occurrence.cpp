#include "platform/assemblies/topology_occurrence.h"

#include <map>
#include <memory>
#include <utility>

#include "platform/objects/session.h"

namespace platform {

namespace {

struct Kept {
  std::map<std::pair<Tag, Tag>, std::unique_ptr<TopologyOccurrence>> byPair;  // (body occ, prototype)
};

Kept& Store() {
  static Kept kept;
  return kept;
}

// Tags are never reused, so a tag that no longer resolves marks a dead entry.
bool Alive(Tag tag) { return Session::Get().Find(tag) != nullptr; }

void Prune() {
  Session& session = Session::Get();
  std::erase_if(Store().byPair, [&](const auto& entry) {
    const bool dead = !Alive(entry.first.first) || !Alive(entry.first.second);
    if (dead && session.Find(entry.second->GetTag()) == entry.second.get())
      session.Unregister(entry.second->GetTag());
    return dead;
  });
}

}  // namespace

TopologyOccurrence& OccurrenceOfTopology(BodyOccurrence& body, TopologyRef& prototype) {
  Session& session = Session::Get();
  auto key = std::make_pair(body.GetTag(), prototype.GetTag());
  auto& byPair = Store().byPair;
  if (auto it = byPair.find(key); it != byPair.end() && session.Find(it->second->GetTag()) == it->second.get())
    return *it->second;
  Prune();
  auto made = std::make_unique<TopologyOccurrence>(prototype.Subtype());
  made->body = body.GetTag();
  made->prototype = prototype.GetTag();
  made->owner = body.owner;
  session.Register(*made);
  auto& slot = byPair[key];
  slot = std::move(made);
  return *slot;
}

BodyOccurrence& BodyOccurrenceOf(const TopologyOccurrence& occurrence) {
  auto* body = Session::Get().FindAs<BodyOccurrence>(occurrence.body);
  if (!body)
    throw HostError(HostStatus::InvalidTag, "object " + std::to_string(occurrence.GetTag()) +
                                                ": the body occurrence it was seen through is gone");
  return *body;
}

TopologyRef& PrototypeTopologyOf(const TopologyOccurrence& occurrence) {
  auto* ref = Session::Get().FindAs<TopologyRef>(occurrence.prototype);
  if (!ref)
    throw HostError(HostStatus::InvalidTag, "object " + std::to_string(occurrence.GetTag()) +
                                                ": its face or edge no longer exists in the prototype body");
  return *ref;
}

}  // namespace platform
