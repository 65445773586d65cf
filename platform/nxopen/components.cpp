// Components of the object interface: the component occurrences of an assembly, its
// structure and restructuring.
#include <NXOpen/Assemblies_Component.hxx>
#include <NXOpen/Assemblies_ComponentAssembly.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>

#include "platform/assemblies/component_identifier.h"
#include "platform/assemblies/occurrences.h"
#include "platform/assemblies/restructure.h"
#include "platform/nxopen/host_calls.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

using platform::ComponentOccurrence;
using platform::HostError;
using platform::HostStatus;
using platform::nxopen::Call;
using platform::nxopen::LiveAs;
using platform::nxopen::Throw;

namespace NXOpen {
namespace Assemblies {

namespace {

ComponentOccurrence& LiveComponent(tag_t tag) { return LiveAs<ComponentOccurrence>(tag, "a component"); }

Component* AsComponent(const ComponentOccurrence* occurrence) {
  return occurrence ? dynamic_cast<Component*>(NXObjectManager::Get(occurrence->GetTag())) : nullptr;
}

}  // namespace

Component::~Component() = default;

NXObject* Component::Prototype() {
  ComponentOccurrence& occurrence = LiveComponent(Tag());
  return occurrence.part ? dynamic_cast<NXObject*>(NXObjectManager::Get(occurrence.part->GetTag())) : nullptr;
}

Component* Component::Parent() {
  ComponentOccurrence& occurrence = LiveComponent(Tag());
  return occurrence.parent ? AsComponent(&LiveComponent(occurrence.parent)) : nullptr;
}

std::vector<Component*> Component::GetChildren() {
  std::vector<Component*> children;
  for (ComponentOccurrence* child : platform::Occurrences::Get().Children(LiveComponent(Tag())))
    children.push_back(AsComponent(child));
  return children;
}

NXObject* Component::FindObject(const NXString& journalIdentifier) {
  ComponentOccurrence& occurrence = LiveComponent(Tag());
  ComponentOccurrence* found = Call([&] { return platform::FindComponent(occurrence, journalIdentifier.GetText()); });
  if (!found)
    Throw(HostStatus::NotFound, "no component " + platform::text::ToUtf8Lossy(journalIdentifier.GetText()) +
                                    " below " + platform::text::ToUtf8Lossy(platform::ComponentIdentifier(occurrence)));
  return AsComponent(found);
}

NXString Component::DisplayName() {
  return NXString(platform::HostFileStem(LiveComponent(Tag()).partPath));
}

// ---- the assembly of a part

ComponentAssembly::~ComponentAssembly() = default;

Component* ComponentAssembly::RootComponent() {
  platform::Part& part = platform::nxopen::LivePart(part_);
  return part.Instances().empty() ? nullptr : AsComponent(&platform::Occurrences::Get().RootOccurrence(part));
}

void ComponentAssembly::RestructureComponents(const std::vector<Component*>& components, Component* newParent,
                                              bool deleteOriginals, std::vector<Component*>& newComponents,
                                              ErrorList** errorList) {
  newComponents.clear();
  if (errorList) *errorList = nullptr;
  Call([] { platform::CheckHostCall("ComponentAssembly::RestructureComponents"); });
  platform::nxopen::LivePart(part_);
  if (!newParent) Throw(HostStatus::InvalidArgument, "restructure: no new parent component is given");
  const tag_t parentTag = newParent->Tag();
  LiveComponent(parentTag);
  auto errors = std::make_unique<ErrorList>();
  for (Component* component : components) {
    try {
      if (!component) throw HostError(HostStatus::InvalidArgument, "a null component");
      ComponentOccurrence& moved = platform::RestructureComponent(
          platform::Session::Get().RequireAs<ComponentOccurrence>(component->Tag(), "a component"),
          platform::Session::Get().RequireAs<ComponentOccurrence>(parentTag, "a component"), deleteOriginals);
      newComponents.push_back(AsComponent(&moved));
    } catch (const HostError& e) {
      errors->Append(platform::nxopen::HostText(e.what()));
    }
  }
  if (errorList) *errorList = errors.release();
}

// ---- the part's accessors

AssemblyManager::~AssemblyManager() = default;

}  // namespace Assemblies

Assemblies::AssemblyManager* Part::AssemblyManager() {
  if (!assemblyManager_) assemblyManager_.reset(new Assemblies::AssemblyManager(Tag()));
  return assemblyManager_.get();
}

Assemblies::ComponentAssembly* Part::ComponentAssembly() {
  if (!componentAssembly_) componentAssembly_.reset(new Assemblies::ComponentAssembly(Tag()));
  return componentAssembly_.get();
}

}  // namespace NXOpen
