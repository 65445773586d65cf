#include "platform/objects/session.h"

#include <algorithm>

#include "platform/text/host_path.h"

namespace platform {

namespace {
std::string WholePath(std::string_view hostPath) { return std::string(hostPath); }
bool OpenedBefore(const Part* a, const Part* b) { return a->GetTag() < b->GetTag(); }  // tags follow the order opened
}  // namespace

Session::Session() : partIndexes_{{{WholePath, {}}, {HostFileName, {}}, {HostFileStem, {}}}} {}

Session& Session::Get() {
  static Session session;
  return session;
}

// ---- tags

Tag Session::Register(Object& object) {
  if (object.tag_ != kNullTag && Find(object.tag_)) return object.tag_;
  object.tag_ = kFirstTag + static_cast<Tag>(objects_.size());
  objects_.push_back(&object);
  return object.tag_;
}

void Session::Unregister(Tag tag) {
  if (tag >= kFirstTag && tag - kFirstTag < objects_.size()) objects_[tag - kFirstTag] = nullptr;
}

Object* Session::Find(Tag tag) const {
  return tag >= kFirstTag && tag - kFirstTag < objects_.size() ? objects_[tag - kFirstTag] : nullptr;
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
  IndexPath(adopted);
  for (SessionObserver* observer : observers_) observer->PartAdopted(adopted);
  return adopted;
}

void Session::ClosePart(Part& part) {
  for (SessionObserver* observer : observers_) observer->PartClosing(part);
  for (const auto& object : part.Objects()) Forget(object->GetTag());
  Unregister(part.GetTag());
  if (displayed_ == &part) displayed_ = nullptr;
  if (work_ == &part) {
    work_ = displayed_;
    workOccurrence_ = kNullTag;
  }
  if (!Find(workOccurrence_)) workOccurrence_ = kNullTag;  // it was below the closed part
  UnindexPath(part);
  std::erase_if(parts_, [&](const auto& p) { return p.get() == &part; });
}

void Session::CloseAll() {
  while (!parts_.empty()) ClosePart(*parts_.back());
  displayed_ = work_ = nullptr;
  workOccurrence_ = kNullTag;
}

void Session::Reset() {
  CloseAll();
  for (SessionObserver* observer : observers_) observer->Reset();
}

Part* Session::FirstIn(PartIndex& index, const std::string& name) const {
  for (bool afresh = false;; afresh = true) {
    const auto it = index.parts.find(HostPathKey(name));
    if (it == index.parts.end()) return nullptr;
    Part* part = it->second.front();
    if (afresh || SameHostPath(index.nameOf(part->path), name)) return part;
    // A path changed behind Repath's back: index every part afresh.
    for (PartIndex& each : partIndexes_) each.parts.clear();
    for (const auto& open : parts_) IndexPath(*open);
  }
}

Part* Session::FindPartByPath(const std::string& hostPath) const { return FirstIn(partIndexes_[0], hostPath); }

Part* Session::FindPartByFileName(const std::string& fileName) const { return FirstIn(partIndexes_[1], fileName); }

Part* Session::FindPartByAnyName(const std::string& name) const {
  Part* first = nullptr;
  for (PartIndex& index : partIndexes_)
    if (Part* part = FirstIn(index, name); part && (!first || OpenedBefore(part, first))) first = part;
  return first;
}

void Session::Repath(Part& part, std::string hostPath) {
  const bool open = part.GetTag() != kNullTag && Find(part.GetTag()) == &part;
  if (open) UnindexPath(part);
  part.path = std::move(hostPath);
  if (open) IndexPath(part);
}

void Session::IndexPath(Part& part) const {
  for (PartIndex& index : partIndexes_) {
    auto& named = index.parts[HostPathKey(index.nameOf(part.path))];
    named.insert(std::upper_bound(named.begin(), named.end(), &part, OpenedBefore), &part);
  }
}

void Session::UnindexPath(const Part& part) {
  for (PartIndex& index : partIndexes_) {
    auto drop = [&](auto it) {
      if (std::erase(it->second, &part) == 0) return false;
      if (it->second.empty()) index.parts.erase(it);
      return true;
    };
    if (auto it = index.parts.find(HostPathKey(index.nameOf(part.path))); it != index.parts.end() && drop(it)) continue;
    for (auto it = index.parts.begin(); it != index.parts.end(); ++it)  // its path changed behind Repath's back
      if (drop(it)) break;
  }
}

void Session::SetDisplayed(Part* part) {
  displayed_ = part;
  work_ = part;
  workOccurrence_ = kNullTag;
}

void Session::SetWork(Part& part, Tag occurrence) {
  work_ = &part;
  workOccurrence_ = occurrence;
}

// ---- what objects show

Object& Session::Prototype(Object& object) const {
  Object* prototype = object.Prototype();
  return prototype ? *prototype : object;
}

const Display& Session::DisplayOf(Object& object) const {
  if (object.InheritsDisplay())
    if (Object* from = object.InheritsFrom()) return from->display;
  return object.display;
}

Display& Session::EditDisplay(Object& object) {
  if (object.InheritsDisplay()) {
    const bool highlighted = object.display.highlighted;  // the object's own, never inherited
    if (Object* from = object.InheritsFrom()) object.display = from->display;
    object.display.highlighted = highlighted;
    object.StopInheritingDisplay();
  }
  if (object.owner) object.owner->modified = true;
  return object.display;
}

const std::string& Session::NameOf(Object& object) const {
  if (object.name.empty())
    if (Object* from = object.InheritsFrom()) return from->name;
  return object.name;
}

const std::string* Session::FindAttribute(Object& object, const std::string& title) const {
  if (const std::string* own = object.attributes.Find(title)) return own;
  if (Object* from = object.InheritsFrom()) return from->attributes.Find(title);
  return nullptr;
}

// ---- observers

void Session::Attach(SessionObserver& observer) { observers_.push_back(&observer); }

void Session::Detach(SessionObserver& observer) { std::erase(observers_, &observer); }

// ---- deletion

void Session::Forget(Tag tag) {
  for (SessionObserver* observer : observers_) observer->Forgetting(tag);
  Unregister(tag);
}

void Session::Delete(Tag tag) {
  Object& object = Require(tag);
  if (auto* part = dynamic_cast<Part*>(&object)) {
    ClosePart(*part);
    return;
  }
  for (SessionObserver* observer : observers_)
    if (observer->Deleting(object)) return;
  for (SessionObserver* observer : observers_) observer->Forgetting(tag);
  if (object.owner) object.owner->Remove(tag);
  else Unregister(tag);
}

}  // namespace platform
