// Occurrences: how an assembly sees the components below it and their bodies.
// A component occurrence stands for one instance path from a root part; a body
// occurrence for one prototype body seen through a component occurrence. Each has
// its own tag, name, display and attributes, remembered by the root part.
#pragma once
#include <cstdint>
#include <string>

#include "platform/objects/host_types.h"
#include "platform/objects/object.h"
#include "platform/objects/transform.h"

namespace platform {

class ComponentOccurrence : public Object {
public:
  ComponentOccurrence() : Object(kComponentType, kPartOccurrenceSubtype) {}
  bool IsOccurrence() const override { return parent != kNullTag; }
  Object* Prototype() const override;

  Tag parent = kNullTag;              // parent occurrence; none for a part's root occurrence
  Part* part = nullptr;               // the part this occurrence shows (null when not loaded)
  Part* parentPart = nullptr;         // the part holding the instance
  std::uint32_t instancePid = 0;      // instance in parentPart; 0 for a root occurrence
  std::string key;                    // instance-id path from the root, e.g. "3/7"
  std::string partPath;               // host path of the shown part, even when not loaded
  std::uint64_t checkedRevision = ~0ull;  // the part's instance revision its children match
};

class BodyOccurrence : public Object {
public:
  BodyOccurrence() : Object(kSolidType, kSolidBodySubtype) {}
  bool IsOccurrence() const override { return true; }
  Object* Prototype() const override;  // HostError(InvalidTag) once the prototype is gone
  Object* InheritsFrom() const override;
  bool InheritsDisplay() const override { return !displayOverridden; }
  void StopInheritingDisplay() override { displayOverridden = true; }

  Tag component = kNullTag;   // the component occurrence it is seen through
  Tag prototype = kNullTag;   // the body in the component's part
  std::string key;            // component key + "#" + prototype's persistent id
  bool displayOverridden = false;  // until set, the occurrence shows its prototype's display
};

}  // namespace platform
