// The work part and work occurrence.
#include "platform/assemblies/work_part.h"

#include "platform/assemblies/occurrences.h"

#include "platform/objects/session.h"

namespace platform {

Tag OccurrenceInDisplayed(Part& part) {
  Session& session = Session::Get();
  if (!session.displayed || session.displayed->Instances().empty()) return kNullTag;
  for (Object* o : Occurrences::Get().AllOccurrences(*session.displayed))
    if (auto* c = dynamic_cast<ComponentOccurrence*>(o); c && c->part == &part) return c->GetTag();
  return kNullTag;
}

void SetWorkComponent(ComponentOccurrence& component) {
  Session& session = Session::Get();
  if (!component.part)
    throw HostError(HostStatus::NotFound,
                    "the part of component " + std::to_string(component.GetTag()) + " is not loaded");
  session.work = component.part;
  session.workOccurrence = component.parent ? component.GetTag() : kNullTag;
}

void SetWorkPart(Part& part) {
  Session& session = Session::Get();
  session.work = &part;
  session.workOccurrence = &part == session.displayed ? kNullTag : OccurrenceInDisplayed(part);
}

}  // namespace platform
