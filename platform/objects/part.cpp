#include "platform/objects/part.h"

#include <algorithm>

#include "platform/objects/session.h"

namespace platform {

Part::~Part() {
  for (const auto& object : sessionObjects_) Session::Get().Unregister(object->GetTag());
}

Object& Part::AddSessionObject(std::unique_ptr<Object> object) {
  object->owner = this;
  Session::Get().Register(*object);
  sessionObjects_.push_back(std::move(object));
  return *sessionObjects_.back();
}

Object& Part::Add(std::unique_ptr<Object> object) {
  if (object->pid == 0 || FindByPid(object->pid)) object->pid = NextPid();
  ReservePid(object->pid);
  object->owner = this;
  Session::Get().Register(*object);
  Index(*object);
  objects_.push_back(std::move(object));
  modified = true;
  return *objects_.back();
}

void Part::AdoptLoaded(std::unique_ptr<Object> object) {
  ReservePid(object->pid);
  object->owner = this;
  Index(*object);
  objects_.push_back(std::move(object));
}

bool Part::Remove(Tag tag) {
  auto it = std::find_if(objects_.begin(), objects_.end(),
                         [&](const auto& o) { return o->GetTag() == tag; });
  if (it == objects_.end()) return false;
  Session::Get().Unregister(tag);
  Unindex(**it);
  objects_.erase(it);
  modified = true;
  return true;
}

Object* Part::FindByPid(std::uint32_t pid) const {
  auto it = byPid_.find(pid);
  return it == byPid_.end() ? nullptr : it->second;
}

const std::vector<Object*>& Part::ObjectsOfType(int type, std::uint32_t holder) const {
  static const std::vector<Object*> none;
  auto it = byType_.find({type, holder});
  return it == byType_.end() ? none : it->second;
}

void Part::Index(Object& object) {
  byType_[{object.Type(), object.HolderPid()}].push_back(&object);
  byPid_[object.pid] = &object;
}

void Part::Unindex(const Object& object) {
  auto it = byType_.find({object.Type(), object.HolderPid()});
  if (it != byType_.end()) {
    std::erase(it->second, &object);
    if (it->second.empty()) byType_.erase(it);
  }
  if (auto at = byPid_.find(object.pid); at != byPid_.end() && at->second == &object) byPid_.erase(at);
}

Instance& Part::AddInstance(Instance instance) {
  if (instance.pid == 0 || FindInstance(instance.pid)) instance.pid = NextPid();
  ReservePid(instance.pid);
  instances_.push_back(std::move(instance));
  ++instanceRevision_;
  modified = true;
  return instances_.back();
}

bool Part::RemoveInstance(std::uint32_t pid) {
  auto it = std::find_if(instances_.begin(), instances_.end(),
                         [&](const Instance& i) { return i.pid == pid; });
  if (it == instances_.end()) return false;
  instances_.erase(it);
  ++instanceRevision_;
  modified = true;
  return true;
}

Instance* Part::FindInstance(std::uint32_t pid) {
  for (auto& i : instances_)
    if (i.pid == pid) return &i;
  return nullptr;
}

}  // namespace platform
