// What an assembly part remembers about the occurrences below it.
#include "platform/assemblies/occurrence_overrides.h"

#include "platform/assemblies/occurrences.h"

#include "platform/assemblies/occurrence.h"
#include "platform/objects/session.h"

namespace platform {

void FoldOccurrences(Part& part) {
  for (Object* occ : Occurrences::Get().LiveOccurrences(part)) {
    if (auto* c = dynamic_cast<ComponentOccurrence*>(occ); c && c->parent) {
      OccurrenceOverride ov;
      ov.name = c->name;
      ov.display = c->display;
      ov.attributes = c->attributes;
      part.occurrenceOverrides[c->key] = std::move(ov);
    } else if (auto* b = dynamic_cast<BodyOccurrence*>(occ)) {
      OccurrenceOverride ov;
      if (!b->name.empty()) ov.name = b->name;
      if (b->displayOverridden) ov.display = b->display;
      ov.attributes = b->attributes;
      if (ov.name || ov.display || !ov.attributes.Empty())
        part.occurrenceOverrides[b->key] = std::move(ov);
      else
        part.occurrenceOverrides.erase(b->key);
    }
  }
}


}  // namespace platform
