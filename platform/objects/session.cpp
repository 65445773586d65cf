#include "platform/objects/session.h"

#include <algorithm>

#include "platform/assemblies/occurrence.h"
#include "platform/geometry/body.h"
#include "platform/files/host_path.h"

namespace platform {

Session& Session::Get() {
  static Session session;
  return session;
}

// ---- tags

Tag Session::Register(Object& object) {
  if (object.tag_ != kNullTag && objects_.count(object.tag_)) return object.tag_;
  object.tag_ = nextTag_++;
  objects_[object.tag_] = &object;
  return object.tag_;
}

void Session::Unregister(Tag tag) { objects_.erase(tag); }

Object* Session::Find(Tag tag) const {
  auto it = objects_.find(tag);
  return it == objects_.end() ? nullptr : it->second;
}

Object& Session::Require(Tag tag) const {
  Object* object = Find(tag);
  if (!object)
    throw HostError(HostStatus::InvalidTag,
                    "tag " + std::to_string(tag) + " names no object in this session");
  return *object;
}

// ---- parts

Part& Session::NewPart(const std::string& hostPath) {
  return AdoptPart(std::make_unique<Part>(hostPath));
}

Part& Session::AdoptPart(std::unique_ptr<Part> part) {
  Register(*part);
  for (const auto& object : part->Objects()) Register(*object);
  parts_.push_back(std::move(part));
  Part& adopted = *parts_.back();
  // Assemblies opened before this part now see it through their occurrences.
  for (auto& occ : occurrences_)
    if (auto* c = dynamic_cast<ComponentOccurrence*>(occ.get()); c && !c->part &&
        SameHostPath(c->partPath, adopted.path)) {
      c->part = &adopted;
      c->checkedRevision = ~0ull;
    }
  return adopted;
}

void Session::ClosePart(Part& part) {
  DropOccurrencesOf(part);
  for (const auto& object : part.Objects()) {
    for (auto& hook : onDelete) hook(object->GetTag());
    Unregister(object->GetTag());
  }
  Unregister(part.GetTag());
  if (displayed == &part) displayed = nullptr;
  if (work == &part) {
    work = displayed;
    workOccurrence = kNullTag;
  }
  if (!Find(workOccurrence)) workOccurrence = kNullTag;  // it was below the closed part
  std::erase_if(parts_, [&](const auto& p) { return p.get() == &part; });
}

void Session::CloseAll() {
  while (!parts_.empty()) ClosePart(*parts_.back());
  displayed = work = nullptr;
  workOccurrence = kNullTag;
}

void Session::Reset() {
  CloseAll();
  occurrences_.clear();
  occurrenceByKey_.clear();
  onDelete.clear();
}

Part* Session::FindPartByPath(const std::string& hostPath) const {
  for (const auto& part : parts_)
    if (SameHostPath(part->path, hostPath)) return part.get();
  return nullptr;
}

Part* Session::FindPartByFileName(const std::string& fileName) const {
  for (const auto& part : parts_)
    if (SameHostPath(HostFileName(part->path), fileName)) return part.get();
  return nullptr;
}

void Session::SetDisplayed(Part* part) {
  displayed = part;
  work = part;
  workOccurrence = kNullTag;
}

// ---- occurrences

static std::string RootKey(const Part& root, const std::string& key) {
  return std::to_string(root.GetTag()) + ":" + key;
}

ComponentOccurrence& Session::RootOccurrence(Part& part) {
  auto it = occurrenceByKey_.find(RootKey(part, ""));
  if (it != occurrenceByKey_.end()) return *FindAs<ComponentOccurrence>(it->second);
  auto occ = std::make_unique<ComponentOccurrence>();
  occ->owner = &part;
  occ->part = &part;
  occ->partPath = part.path;
  occ->name = HostFileStem(part.path);
  Register(*occ);
  occurrenceByKey_[RootKey(part, "")] = occ->GetTag();
  occurrences_.push_back(std::move(occ));
  return static_cast<ComponentOccurrence&>(*occurrences_.back());
}

std::vector<ComponentOccurrence*> Session::Children(ComponentOccurrence& occ) {
  std::vector<ComponentOccurrence*> result;
  if (!occ.part) return result;
  Part& root = *occ.owner;
  // Occurrences of instances removed since they were made go first; only when the
  // part's instances changed since the last look, as this walks every occurrence.
  if (occ.checkedRevision != occ.part->InstanceRevision()) {
    std::vector<Tag> stale;
    for (auto& o : occurrences_)
      if (o->Type() == kComponentType) {
        auto* c = static_cast<ComponentOccurrence*>(o.get());
        if (c->parent == occ.GetTag() && !occ.part->FindInstance(c->instancePid)) stale.push_back(c->GetTag());
      }
    for (Tag t : stale) DropOccurrence(t);
    occ.checkedRevision = occ.part->InstanceRevision();
  }

  for (const Instance& instance : occ.part->Instances()) {
    std::string key = (occ.key.empty() ? "" : occ.key + "/") + std::to_string(instance.pid);
    auto it = occurrenceByKey_.find(RootKey(root, key));
    if (it != occurrenceByKey_.end()) {
      auto* existing = FindAs<ComponentOccurrence>(it->second);
      if (!existing->part) {
        existing->part = FindPartByPath(instance.partPath);
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
    child->part = FindPartByPath(instance.partPath);
    child->name = instance.name;
    child->display.layer = instance.layer;
    child->display.color = instance.color;
    if (auto ov = root.occurrenceOverrides.find(key); ov != root.occurrenceOverrides.end()) {
      if (ov->second.name) child->name = *ov->second.name;
      if (ov->second.display) child->display = *ov->second.display;
      child->attributes = ov->second.attributes;
    }
    Register(*child);
    occurrenceByKey_[RootKey(root, key)] = child->GetTag();
    result.push_back(child.get());
    occurrences_.push_back(std::move(child));
  }
  return result;
}

std::vector<BodyOccurrence*> Session::BodyOccurrences(ComponentOccurrence& occ) {
  std::vector<BodyOccurrence*> result;
  if (!occ.part || !occ.parent) return result;
  Part& root = *occ.owner;
  for (const auto& object : occ.part->Objects()) {
    auto* body = dynamic_cast<Body*>(object.get());
    if (!body) continue;
    std::string key = occ.key + "#" + std::to_string(body->pid);
    auto it = occurrenceByKey_.find(RootKey(root, key));
    if (it != occurrenceByKey_.end()) {
      result.push_back(FindAs<BodyOccurrence>(it->second));
      continue;
    }
    auto bo = std::make_unique<BodyOccurrence>();
    bo->owner = &root;
    bo->component = occ.GetTag();
    bo->prototype = body->GetTag();
    bo->key = key;
    if (auto ov = root.occurrenceOverrides.find(key); ov != root.occurrenceOverrides.end()) {
      if (ov->second.name) bo->name = *ov->second.name;
      if (ov->second.display) {
        bo->display = *ov->second.display;
        bo->displayOverridden = true;
      }
      bo->attributes = ov->second.attributes;
    }
    Register(*bo);
    occurrenceByKey_[RootKey(root, key)] = bo->GetTag();
    result.push_back(bo.get());
    occurrences_.push_back(std::move(bo));
  }
  return result;
}

Transform Session::AbsoluteTransform(const ComponentOccurrence& occ) const {
  if (!occ.parent || !occ.parentPart) return Transform::Identity();
  const auto* parent = FindAs<ComponentOccurrence>(occ.parent);
  Transform local;
  if (const Instance* inst = const_cast<Part*>(occ.parentPart)->FindInstance(occ.instancePid))
    local = inst->transform;
  return parent ? local.Then(AbsoluteTransform(*parent)) : local;
}

std::vector<Object*> Session::AllOccurrences(Part& root) {
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

std::vector<Object*> Session::LiveOccurrences(const Part& root) const {
  std::vector<Object*> result;
  for (const auto& o : occurrences_)
    if (o->owner == &root) result.push_back(o.get());
  return result;
}

Object& Session::Prototype(Object& object) const {
  if (auto* bo = dynamic_cast<BodyOccurrence*>(&object)) return Require(bo->prototype);
  if (auto* co = dynamic_cast<ComponentOccurrence*>(&object); co && co->part) return *co->part;
  return object;
}

const Display& Session::DisplayOf(Object& object) const {
  if (auto* bo = dynamic_cast<BodyOccurrence*>(&object); bo && !bo->displayOverridden)
    if (Object* proto = Find(bo->prototype)) return proto->display;
  return object.display;
}

Display& Session::EditDisplay(Object& object) {
  if (auto* bo = dynamic_cast<BodyOccurrence*>(&object); bo && !bo->displayOverridden) {
    if (Object* proto = Find(bo->prototype)) bo->display = proto->display;
    bo->displayOverridden = true;
  }
  if (object.owner) object.owner->modified = true;
  return object.display;
}

const std::string& Session::NameOf(Object& object) const {
  if (auto* bo = dynamic_cast<BodyOccurrence*>(&object); bo && bo->name.empty())
    if (Object* proto = Find(bo->prototype)) return proto->name;
  return object.name;
}

const std::string* Session::FindAttribute(Object& object, const std::string& title) const {
  if (const std::string* own = object.attributes.Find(title)) return own;
  if (auto* bo = dynamic_cast<BodyOccurrence*>(&object))
    if (Object* proto = Find(bo->prototype)) return proto->attributes.Find(title);
  return nullptr;
}

// ---- deletion

void Session::DropOccurrence(Tag tag) {
  auto* object = Find(tag);
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
    occurrenceByKey_.erase(RootKey(*c->owner, c->key));
  } else if (auto* b = dynamic_cast<BodyOccurrence*>(object)) {
    occurrenceByKey_.erase(RootKey(*b->owner, b->key));
  }
  for (auto& hook : onDelete) hook(tag);
  Unregister(tag);
  std::erase_if(occurrences_, [&](const auto& o) { return o->GetTag() == tag; });
}

void Session::DropOccurrencesOf(Part& part) {
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

void Session::Delete(Tag tag) {
  Object& object = Require(tag);
  if (auto* part = dynamic_cast<Part*>(&object)) {
    ClosePart(*part);
    return;
  }
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
    return;
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
  for (auto& hook : onDelete) hook(tag);
  if (object.owner) object.owner->Remove(tag);
  else Unregister(tag);
}

}  // namespace platform
