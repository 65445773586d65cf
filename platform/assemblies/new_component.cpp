// A new component made from bodies of the work part.
#include "platform/assemblies/new_component.h"

#include <TopLoc_Location.hxx>

#include "platform/assemblies/located_shape.h"
#include "platform/assemblies/occurrences.h"
#include "platform/geometry/body.h"
#include "platform/geometry/feature_delete.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/shown_path.h"

namespace platform {

namespace {

std::string Shown(const Part& part) { return ShownPath(part.path); }

bool Below(const ComponentOccurrence& component, const ComponentOccurrence& ancestor) {
  return component.key.rfind(ancestor.key + "/", 0) == 0;
}

// From the body's own part to the work part's coordinates.
Transform PlacementInWork(Object& object, Part& work) {
  Session& session = Session::Get();
  const std::string what = "body " + std::to_string(object.GetTag());
  auto* occurrence = dynamic_cast<BodyOccurrence*>(&object);
  if (!occurrence) {
    if (!dynamic_cast<Body*>(&object))
      throw HostError(HostStatus::WrongObjectType, "object " + std::to_string(object.GetTag()) + " is not a body");
    if (object.owner != &work)
      throw HostError(HostStatus::InvalidArgument, what + " is not in the work part " + Shown(work));
    return Transform::Identity();
  }
  auto& component = session.RequireAs<ComponentOccurrence>(occurrence->component, "a component");
  const Transform absolute = Occurrences::Get().AbsoluteTransform(component);
  if (occurrence->owner == &work) return absolute;
  auto* workComponent = session.FindAs<ComponentOccurrence>(session.WorkOccurrence());
  if (session.Work() == &work && workComponent && workComponent->owner == occurrence->owner &&
      Below(component, *workComponent))
    return absolute.Then(Occurrences::Get().AbsoluteTransform(*workComponent).Inverse());
  throw HostError(HostStatus::InvalidArgument, what + " (an occurrence) is not below the work part " + Shown(work));
}

ComponentOccurrence& SeenFromDisplayed(Part& work, std::uint32_t instancePid) {
  Session& session = Session::Get();
  ComponentOccurrence* holder = nullptr;
  if (session.Displayed() == &work) holder = &Occurrences::Get().RootOccurrence(work);
  else if (auto* w = session.FindAs<ComponentOccurrence>(session.WorkOccurrence()); w && w->part == &work) holder = w;
  else holder = &Occurrences::Get().RootOccurrence(work);
  for (ComponentOccurrence* child : Occurrences::Get().Children(*holder))
    if (child->instancePid == instancePid) return *child;
  throw HostError(HostStatus::NotFound, "the new component is not below " + Shown(work));
}

}  // namespace

ComponentOccurrence& MakeComponentFromBodies(Part& work, Part& newPart, const std::vector<Object*>& bodies,
                                             const std::string& name) {
  Session& session = Session::Get();
  std::vector<Transform> placements;
  for (Object* object : bodies) placements.push_back(PlacementInWork(*object, work));

  for (size_t i = 0; i < bodies.size(); ++i) {
    Object& source = *bodies[i];
    Body& prototype = BodyOf(source);
    auto copy = std::make_unique<Body>(placements[i].IsIdentity()
                                           ? prototype.Shape()
                                           : prototype.Shape().Moved(TopLoc_Location(ToTrsf(placements[i]))));
    copy->name = session.NameOf(source);
    copy->attributes = prototype.attributes;
    if (&source != &prototype)
      for (const auto& [title, value] : source.attributes.Entries()) copy->attributes.Set(title, value);
    copy->display = session.DisplayOf(source);
    copy->display.highlighted = false;
    copy->density = prototype.density;
    newPart.Add(std::move(copy));
  }

  // The bodies move: those of the work part itself leave it (with the features that made
  // them, such as a link); bodies of other parts are the caller's to delete.
  for (Object* source : bodies)
    if (source->owner == &work && dynamic_cast<Body*>(source)) DeleteWithDependants(*source);

  Instance instance;
  instance.partPath = newPart.path;
  instance.instanceName = name;
  instance.name = name;
  instance.layer = work.layers.work;
  const std::uint32_t pid = work.AddInstance(instance).pid;
  return SeenFromDisplayed(work, pid);
}

}  // namespace platform
