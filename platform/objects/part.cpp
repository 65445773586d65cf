#include "platform/objects/part.h"

#include <algorithm>
#include <cstdlib>

#include "platform/objects/host_types.h"
#include "platform/objects/session.h"

namespace platform {

namespace {

// A view on a sheet numbered "STEM@n": its number.
bool ViewNumber(const Object& object, int& number) {
  if (object.Type() != kViewType || object.HolderPid() == 0) return false;
  const auto at = object.name.rfind('@');
  if (at == std::string::npos) return false;
  number = std::atoi(object.name.c_str() + at + 1);
  return true;
}

}  // namespace

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

int Part::HighestViewNumber() const {
  return viewNumbers_.empty() ? 0 : std::max(0, viewNumbers_.rbegin()->first);
}

void Part::Rename(Object& object, std::string name) {
  // Only the name index changes: the object keeps its place among its kind.
  const bool ours = object.owner == this && FindByPid(object.pid) == &object;
  if (ours) CountViewNumber(object, -1);
  object.name = std::move(name);
  if (ours) CountViewNumber(object, +1);
}

void Part::CountViewNumber(const Object& object, int change) {
  int number = 0;
  if (!ViewNumber(object, number)) return;
  if ((viewNumbers_[number] += change) <= 0) viewNumbers_.erase(number);
}

void Part::Index(Object& object) {
  byType_[{object.Type(), object.HolderPid()}].push_back(&object);
  byPid_[object.pid] = &object;
  CountViewNumber(object, +1);
}

void Part::Unindex(const Object& object) {
  auto it = byType_.find({object.Type(), object.HolderPid()});
  if (it != byType_.end()) {
    std::erase(it->second, &object);
    if (it->second.empty()) byType_.erase(it);
  }
  if (auto at = byPid_.find(object.pid); at != byPid_.end() && at->second == &object) byPid_.erase(at);
  CountViewNumber(object, -1);
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
