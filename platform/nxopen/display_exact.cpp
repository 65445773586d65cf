// Showing components exactly: exact geometry is the only representation this host has,
// so only the components are checked.
#include <memory>

#include <NXOpen/Assemblies_Component.hxx>
#include <NXOpen/Assemblies_ComponentAssembly.hxx>
#include <NXOpen/ErrorList.hxx>

#include "platform/assemblies/occurrence.h"
#include "platform/nxopen/host_calls.h"

namespace NXOpen::Assemblies {

ErrorList* ComponentAssembly::DisplayComponentsExact(const std::vector<Component*>& components) {
  platform::Part& part = platform::nxopen::LivePart(part_);
  auto errors = std::make_unique<ErrorList>();
  for (Component* component : components) {
    auto* occurrence = component ? platform::Session::Get().FindAs<platform::ComponentOccurrence>(component->Tag())
                                 : nullptr;
    if (!occurrence || occurrence->owner != &part)
      errors->Append(platform::nxopen::HostText(
          "object " + std::to_string(component ? component->Tag() : 0) + " is not a component of this assembly"));
  }
  return errors.release();
}

}  // namespace NXOpen::Assemblies
