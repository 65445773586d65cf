// Moving components to another place in the assembly tree without moving them in space.
#include "platform/assemblies/restructure.h"

#include <map>
#include <string>

#include "platform/assemblies/occurrence_overrides.h"
#include "platform/assemblies/occurrences.h"
#include "platform/objects/session.h"

namespace platform {

namespace {

// The part of `key` after `prefix` when key is prefix itself or below it, else nothing.
bool Suffix(const std::string& key, const std::string& prefix, std::string& rest) {
  if (key.rfind(prefix, 0) != 0) return false;
  rest = key.substr(prefix.size());
  return rest.empty() || rest[0] == '/' || rest[0] == '#';
}

std::string Named(const ComponentOccurrence& c) { return "component " + std::to_string(c.GetTag()); }

void Check(ComponentOccurrence& component, ComponentOccurrence& newParent) {
  std::string rest;
  if (!component.parent || !component.parentPart)
    throw HostError(HostStatus::InvalidArgument, Named(component) + " is a root component and cannot be moved");
  if (component.owner != newParent.owner)
    throw HostError(HostStatus::InvalidArgument,
                    Named(component) + " and the new parent " + Named(newParent) + " are in different assemblies");
  if (Suffix(newParent.key, component.key, rest))
    throw HostError(HostStatus::InvalidArgument,
                    Named(component) + " cannot be moved below itself (new parent " + Named(newParent) + ")");
  if (!newParent.part)
    throw HostError(HostStatus::NotFound, "the part of the new parent " + Named(newParent) + " is not loaded");
  if (!component.parentPart->FindInstance(component.instancePid))
    throw HostError(HostStatus::NotFound, Named(component) + " no longer has its instance");
}

}  // namespace

ComponentOccurrence& RestructureComponent(ComponentOccurrence& component, ComponentOccurrence& newParent,
                                          bool deleteOriginal) {
  Session& session = Session::Get();
  Check(component, newParent);
  if (deleteOriginal && component.parent == newParent.GetTag()) return component;

  Part& root = *component.owner;
  const Transform placement =
      Occurrences::Get().AbsoluteTransform(component).Then(Occurrences::Get().AbsoluteTransform(newParent).Inverse());
  Instance moved = *component.parentPart->FindInstance(component.instancePid);
  moved.pid = 0;
  moved.transform = placement;

  // What the root knows about the component and everything below it, by key suffix.
  FoldOccurrences(root);
  const std::string oldKey = component.key;
  std::map<std::string, OccurrenceOverride> carried;
  std::string rest;
  for (const auto& [key, data] : root.occurrenceOverrides)
    if (Suffix(key, oldKey, rest)) carried[rest] = data;

  const std::uint32_t pid = newParent.part->AddInstance(moved).pid;
  const std::string newKey = (newParent.key.empty() ? "" : newParent.key + "/") + std::to_string(pid);
  for (auto& [suffix, data] : carried) root.occurrenceOverrides[newKey + suffix] = data;
  if (deleteOriginal) {
    session.Delete(component.GetTag());
    std::erase_if(root.occurrenceOverrides, [&](const auto& entry) { return Suffix(entry.first, oldKey, rest); });
  }
  root.modified = true;
  for (ComponentOccurrence* child : Occurrences::Get().Children(newParent))
    if (child->instancePid == pid) return *child;
  throw HostError(HostStatus::NotFound, "the moved component is not below " + Named(newParent));
}

}  // namespace platform
