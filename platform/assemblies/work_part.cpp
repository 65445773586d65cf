// The work part and work occurrence.
#include "platform/assemblies/work_part.h"

#include "platform/assemblies/occurrences.h"

#include "platform/objects/session.h"

namespace platform {

Tag OccurrenceInDisplayed(Part& part) {
  Session& session = Session::Get();
  if (!session.Displayed() || session.Displayed()->Instances().empty()) return kNullTag;
  for (Object* o : Occurrences::Get().AllOccurrences(*session.Displayed()))
    if (auto* c = dynamic_cast<ComponentOccurrence*>(o); c && c->part == &part) return c->GetTag();
  return kNullTag;
}

void SetWorkComponent(ComponentOccurrence& component) {
  Session& session = Session::Get();
  if (!component.part)
    throw HostError(HostStatus::NotFound,
                    "the part of component " + std::to_string(component.GetTag()) + " is not loaded");
  session.SetWork(*component.part, component.parent ? component.GetTag() : kNullTag);
}

void SetWorkPart(Part& part) {
  Session& session = Session::Get();
  session.SetWork(part, &part == session.Displayed() ? kNullTag : OccurrenceInDisplayed(part));
}

}  // namespace platform
