#include "platform/api/placement.h"

#include "platform/assemblies/occurrences.h"

#include "platform/assemblies/located_shape.h"
#include "platform/assemblies/occurrence.h"
#include "platform/objects/session.h"

namespace platform::api {

Transform ReportPlacement(const Object& object) {
  if (!object.IsOccurrence()) return Transform::Identity();
  Session& session = Session::Get();
  Transform placement = PlacementOf(object);
  if (auto* c = dynamic_cast<const ComponentOccurrence*>(&object)) placement = Occurrences::Get().AbsoluteTransform(*c);
  auto* work = session.FindAs<ComponentOccurrence>(session.WorkOccurrence());
  if (work && work->owner == object.owner) placement = placement.Then(Occurrences::Get().AbsoluteTransform(*work).Inverse());
  return placement;
}

}  // namespace platform::api
