#include "platform/assemblies/occurrences.h"

#include <algorithm>

#include "platform/base/host_error.h"
#include "platform/geometry/body.h"
#include "platform/text/host_path.h"

namespace platform {
namespace {

std::string RootKey(const Part& root, const std::string& key) {
  return std::to_string(root.GetTag()) + ":" + key;
}

void ApplyOverride(const Part& root, const std::string& key, Object& occ, bool* displayOverridden) {
  auto ov = root.occurrenceOverrides.find(key);
  if (ov == root.occurrenceOverrides.end()) return;
  if (ov->second.name) occ.name = *ov->second.name;
  if (ov->second.display) {
    occ.display = *ov->second.display;
    if (displayOverridden) *displayOverridden = true;
  }
  occ.attributes = ov->second.attributes;
}

}  // namespace

Occurrences& Occurrences::Get() {
  static Occurrences occurrences;
  return occurrences;
}

Occurrences::Occurrences() : session_(Session::Get()) { session_.Attach(*this); }

Occurrences::~Occurrences() { session_.Detach(*this); }

Object& Occurrences::Keep(std::unique_ptr<Object> occ, const Part& root, const std::string& key) {
  session_.Register(*occ);
  byKey_[RootKey(root, key)] = occ->GetTag();
  occurrences_.push_back(std::move(occ));
  return *occurrences_.back();
}

ComponentOccurrence& Occurrences::RootOccurrence(Part& part) {
  auto it = byKey_.find(RootKey(part, ""));
  if (it != byKey_.end()) return *session_.FindAs<ComponentOccurrence>(it->second);
  auto occ = std::make_unique<ComponentOccurrence>();
  occ->owner = &part;
  occ->part = &part;
  occ->partPath = part.path;
  occ->name = HostFileStem(part.path);
  occ->checkedRevision = part.InstanceRevision();  // no child of a new occurrence can be stale
  return static_cast<ComponentOccurrence&>(Keep(std::move(occ), part, ""));
}

std::vector<ComponentOccurrence*> Occurrences::Children(ComponentOccurrence& occ) {
  std::vector<ComponentOccurrence*> result;
  if (!occ.part) return result;
  Part& root = *occ.owner;
  // Occurrences of instances removed since they were made go first; only when the
  // part's instances changed since the last look, as this walks every occurrence.
  if (occ.checkedRevision != occ.part->InstanceRevision()) {
    std::vector<Tag> stale;
    for (auto& o : occurrences_)
      if (auto* c = dynamic_cast<ComponentOccurrence*>(o.get());
          c && c->parent == occ.GetTag() && !occ.part->FindInstance(c->instancePid))
        stale.push_back(c->GetTag());
    for (Tag t : stale) DropOccurrence(t);
    occ.checkedRevision = occ.part->InstanceRevision();
  }

  for (const Instance& instance : occ.part->Instances()) {
    std::string key = (occ.key.empty() ? "" : occ.key + "/") + std::to_string(instance.pid);
    auto it = byKey_.find(RootKey(root, key));
    if (it != byKey_.end()) {
      auto* existing = session_.FindAs<ComponentOccurrence>(it->second);
      if (!existing->part) {
        existing->part = session_.FindPartByPath(instance.partPath);
        existing->checkedRevision = ~0ull;
      }
      result.push_back(existing);
      continue;
    }
    auto child = std::make_unique<ComponentOccurrence>();
    child->owner = &root;
    child->parent = occ.GetTag();
    child->parentPart = occ.part;
    child->instancePid = instance.pid;
    child->key = key;
    child->partPath = instance.partPath;
    child->part = session_.FindPartByPath(instance.partPath);
    if (child->part) child->checkedRevision = child->part->InstanceRevision();
    child->name = instance.name;
    child->display.layer = instance.layer;
    child->display.color = instance.color;
    ApplyOverride(root, key, *child, nullptr);
    result.push_back(static_cast<ComponentOccurrence*>(&Keep(std::move(child), root, key)));
  }
  return result;
}

std::vector<BodyOccurrence*> Occurrences::BodyOccurrences(ComponentOccurrence& occ) {
  std::vector<BodyOccurrence*> result;
  if (!occ.part || !occ.parent) return result;
  Part& root = *occ.owner;
  for (Object* object : occ.part->ObjectsOfType(kSolidType)) {
    auto* body = dynamic_cast<Body*>(object);
    if (!body) continue;
    std::string key = occ.key + "#" + std::to_string(body->pid);
    auto it = byKey_.find(RootKey(root, key));
    if (it != byKey_.end()) {
      result.push_back(session_.FindAs<BodyOccurrence>(it->second));
      continue;
    }
    auto bo = std::make_unique<BodyOccurrence>();
    bo->owner = &root;
    bo->component = occ.GetTag();
    bo->prototype = body->GetTag();
    bo->key = key;
    ApplyOverride(root, key, *bo, &bo->displayOverridden);
    result.push_back(static_cast<BodyOccurrence*>(&Keep(std::move(bo), root, key)));
  }
  return result;
}

Transform Occurrences::AbsoluteTransform(const ComponentOccurrence& occ) const {
  if (!occ.parent || !occ.parentPart) return Transform::Identity();
  const auto* parent = session_.FindAs<ComponentOccurrence>(occ.parent);
  Transform local;
  if (const Instance* inst = const_cast<Part*>(occ.parentPart)->FindInstance(occ.instancePid))
    local = inst->transform;
  return parent ? local.Then(AbsoluteTransform(*parent)) : local;
}

std::vector<Object*> Occurrences::AllOccurrences(Part& root) {
  std::vector<Object*> result;
  auto walk = [&](auto&& self, ComponentOccurrence& occ) -> void {
    for (ComponentOccurrence* child : Children(occ)) {
      result.push_back(child);
      for (BodyOccurrence* body : BodyOccurrences(*child)) result.push_back(body);
      self(self, *child);
    }
  };
  walk(walk, RootOccurrence(root));
  return result;
}

std::vector<Object*> Occurrences::LiveOccurrences(const Part& root) const {
  std::vector<Object*> result;
  for (const auto& o : occurrences_)
    if (o->owner == &root) result.push_back(o.get());
  return result;
}

// ---- keeping step with the session

void Occurrences::PartAdopted(Part& part) {
  // Assemblies opened before this part now see it through their occurrences.
  for (auto& occ : occurrences_)
    if (auto* c = dynamic_cast<ComponentOccurrence*>(occ.get());
        c && !c->part && SameHostPath(c->partPath, part.path)) {
      c->part = &part;
      c->checkedRevision = ~0ull;
    }
}

void Occurrences::PartClosing(Part& part) {
  std::vector<Tag> doomed;
  for (auto& o : occurrences_) {
    if (o->owner == &part) doomed.push_back(o->GetTag());
    // Components below an unloaded part cannot be shown any more.
    else if (auto* c = dynamic_cast<ComponentOccurrence*>(o.get()); c && c->parentPart == &part)
      doomed.push_back(c->GetTag());
    else if (auto* c = dynamic_cast<ComponentOccurrence*>(o.get()); c && c->part == &part) {
      // The assembly stays; its component now shows an unloaded part.
      for (auto& b : occurrences_)
        if (auto* body = dynamic_cast<BodyOccurrence*>(b.get()); body && body->component == c->GetTag())
          doomed.push_back(body->GetTag());
      c->part = nullptr;
    }
  }
  for (Tag t : doomed) DropOccurrence(t);
}

bool Occurrences::Deleting(Object& object) {
  const Tag tag = object.GetTag();
  if (auto* co = dynamic_cast<ComponentOccurrence*>(&object)) {
    if (!co->parent)
      throw HostError(HostStatus::WrongObjectType,
                      "object " + std::to_string(tag) + " is a root occurrence; close its part instead");
    Part* holder = co->parentPart;
    const std::uint32_t pid = co->instancePid;
    // Every occurrence of the instance goes, in whatever assembly shows it.
    std::vector<Tag> doomed;
    for (auto& o : occurrences_)
      if (auto* c = dynamic_cast<ComponentOccurrence*>(o.get());
          c && c->parentPart == holder && c->instancePid == pid)
        doomed.push_back(c->GetTag());
    for (Tag t : doomed) DropOccurrence(t);
    holder->RemoveInstance(pid);
    return true;
  }
  if (dynamic_cast<BodyOccurrence*>(&object))
    throw HostError(HostStatus::WrongObjectType,
                    "body " + std::to_string(tag) +
                        " is an occurrence; delete its prototype in the component part");
  std::vector<Tag> doomed;
  for (auto& o : occurrences_)
    if (auto* b = dynamic_cast<BodyOccurrence*>(o.get()); b && b->prototype == tag)
      doomed.push_back(b->GetTag());
  for (Tag t : doomed) DropOccurrence(t);
  return false;
}

void Occurrences::Reset() {
  occurrences_.clear();
  byKey_.clear();
}

void Occurrences::DropOccurrence(Tag tag) {
  auto* object = session_.Find(tag);
  if (!object) return;
  if (auto* c = dynamic_cast<ComponentOccurrence*>(object)) {
    std::vector<Tag> dependants;
    for (auto& o : occurrences_) {
      if (auto* child = dynamic_cast<ComponentOccurrence*>(o.get()); child && child->parent == tag)
        dependants.push_back(child->GetTag());
      if (auto* body = dynamic_cast<BodyOccurrence*>(o.get()); body && body->component == tag)
        dependants.push_back(body->GetTag());
    }
    for (Tag d : dependants) DropOccurrence(d);
    byKey_.erase(RootKey(*c->owner, c->key));
  } else if (auto* b = dynamic_cast<BodyOccurrence*>(object)) {
    byKey_.erase(RootKey(*b->owner, b->key));
  }
  session_.Forget(tag);
  std::erase_if(occurrences_, [&](const auto& o) { return o->GetTag() == tag; });
}

}  // namespace platform
