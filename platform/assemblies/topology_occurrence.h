// Face and edge occurrences: a face or edge of a prototype body seen through one body
// occurrence, so that its geometry can be placed where the occurrence is. Session-only.
#pragma once
#include "platform/assemblies/occurrence.h"
#include "platform/geometry/body.h"

namespace platform {

class TopologyOccurrence : public Object {
public:
  explicit TopologyOccurrence(int subtype) : Object(kSolidType, subtype) {}
  bool IsOccurrence() const override { return true; }

  Tag body = kNullTag;       // the body occurrence
  Tag prototype = kNullTag;  // the face or edge of the prototype body
};

// The occurrence of `prototype` (a face or edge of body's prototype) seen through
// `body`; made on first request and kept while both live.
TopologyOccurrence& OccurrenceOfTopology(BodyOccurrence& body, TopologyRef& prototype);

// The body occurrence and prototype face or edge of a topology occurrence; HostError
// (InvalidTag) naming the occurrence when either has gone.
BodyOccurrence& BodyOccurrenceOf(const TopologyOccurrence& occurrence);
TopologyRef& PrototypeTopologyOf(const TopologyOccurrence& occurrence);

}  // namespace platform
