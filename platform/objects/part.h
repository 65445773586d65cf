// A part file's contents in the session: its own objects, its component instances
// and what it remembers about occurrences seen from it as an assembly.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/objects/host_types.h"
#include "platform/objects/layers.h"
#include "platform/objects/object.h"
#include "platform/objects/transform.h"

namespace platform {

// One component placed in this part (a child part at a transform).
struct Instance {
  std::uint32_t pid = 0;
  std::string partPath;       // full host path of the child part (GBK, backslashes)
  std::string instanceName;   // GBK
  std::string name;           // object name of the component (GBK)
  int layer = 1;
  int color = kDefaultBodyColor;
  Transform transform;        // child coordinates -> this part's coordinates
  Attributes attributes;
};

// What an assembly keeps about one occurrence below it (a component, or a body of a
// component), keyed by the path of instance ids and, for bodies, "#" and the body's id.
struct OccurrenceOverride {
  std::optional<std::string> name;
  std::optional<Display> display;
  Attributes attributes;
};

class Part : public Object {
public:
  explicit Part(std::string hostPath) : Object(kPartType, 0), path(std::move(hostPath)) {}
  ~Part() override;

  // Takes ownership, registers the object in the session and gives it a persistent id
  // (keeping the one it has if it is free, as when loading).
  Object& Add(std::unique_ptr<Object> object);
  // Removes and destroys an object of this part; false when it is not one of ours.
  bool Remove(Tag tag);
  const std::vector<std::unique_ptr<Object>>& Objects() const { return objects_; }
  Object* FindByPid(std::uint32_t pid) const;
  // Its objects of a host type lying on the object `holder` (Object::HolderPid: a
  // sheet's views and notes; 0 for sheets, bodies and the like), in creation order. Kept
  // as objects come and go, so that no lookup walks every object of a large part.
  const std::vector<Object*>& ObjectsOfType(int type, std::uint32_t holder = 0) const;
  // The highest number after '@' among the names of the views on its sheets ("FRONT@3"),
  // 0 when none has one; kept as views come, go and are renamed.
  int HighestViewNumber() const;
  // Names one of its objects, keeping what is indexed by name up to date.
  void Rename(Object& object, std::string name);

  Instance& AddInstance(Instance instance);
  bool RemoveInstance(std::uint32_t pid);
  Instance* FindInstance(std::uint32_t pid);
  const std::vector<Instance>& Instances() const { return instances_; }

  // Objects the part hands out tags for without holding them as its own (its model
  // views): registered at once, never listed with its objects nor saved, gone with it.
  Object& AddSessionObject(std::unique_ptr<Object> object);
  const std::vector<std::unique_ptr<Object>>& SessionObjects() const { return sessionObjects_; }

  // Takes an object read from a file; it is registered when the part joins the session.
  void AdoptLoaded(std::unique_ptr<Object> object);

  // Counts changes of the instance list, so occurrences know when to look again.
  std::uint64_t InstanceRevision() const { return instanceRevision_; }

  std::uint32_t NextPid() { return nextPid_++; }
  std::uint32_t PeekNextPid() const { return nextPid_; }
  void ReservePid(std::uint32_t pid) { if (pid >= nextPid_) nextPid_ = pid + 1; }

  std::string path;   // full host path (GBK, backslashes); once open, changed through Session::Repath
  bool modified = false;
  LayerTable layers;  // the session's settings, not stored in the file
  std::map<std::string, OccurrenceOverride> occurrenceOverrides;

private:
  void Index(Object& object);
  void Unindex(const Object& object);
  void CountViewNumber(const Object& object, int change);

  std::vector<std::unique_ptr<Object>> objects_;
  std::map<std::pair<int, std::uint32_t>, std::vector<Object*>> byType_;  // (type, holder)
  std::unordered_map<std::uint32_t, Object*> byPid_;
  std::map<int, int> viewNumbers_;  // number after '@' -> views bearing it
  std::vector<std::unique_ptr<Object>> sessionObjects_;
  std::vector<Instance> instances_;
  std::uint32_t nextPid_ = 1;
  std::uint64_t instanceRevision_ = 0;
};

// Names an object, through its part when it has one (Part::Rename).
inline void SetObjectName(Object& object, std::string name) {
  if (object.owner) object.owner->Rename(object, std::move(name));
  else object.name = std::move(name);
}

}  // namespace platform
