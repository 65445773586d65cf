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
  objects_.push_back(std::move(object));
  modified = true;
  return *objects_.back();
}

void Part::AdoptLoaded(std::unique_ptr<Object> object) {
  ReservePid(object->pid);
  object->owner = this;
  objects_.push_back(std::move(object));
}

bool Part::Remove(Tag tag) {
  auto it = std::find_if(objects_.begin(), objects_.end(),
                         [&](const auto& o) { return o->GetTag() == tag; });
  if (it == objects_.end()) return false;
  Session::Get().Unregister(tag);
  objects_.erase(it);
  modified = true;
  return true;
}

Object* Part::FindByPid(std::uint32_t pid) const {
  for (const auto& o : objects_)
    if (o->pid == pid) return o.get();
  return nullptr;
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
