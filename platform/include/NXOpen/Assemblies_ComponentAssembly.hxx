// The assembly structure of a part: its root component and restructuring.
#pragma once
#include <vector>

#include <NXOpen/Assemblies_Component.hxx>
#include <NXOpen/ErrorList.hxx>

namespace NXOpen {
class Part;
namespace Assemblies {

class NXOPENCPPEXPORT ComponentAssembly {
public:
  ~ComponentAssembly();
  // The part's root component; null for a part without components.
  Component* RootComponent();
  // Moves each component under newParent, keeping where it sits: its instance leaves
  // the part that held it and an instance of the same part is added to newParent's
  // part (placement: inverse of newParent's placement composed with the old one).
  // The name, display and attributes of the component and of the occurrences below it
  // move along. newComponents receives the moved components (as seen from this part's
  // root), in order; *errorList (when errorList is not null) a new ErrorList for the
  // caller to delete, with one entry per component that could not be moved (a component
  // of another assembly, newParent itself or one of its parents). deleteOriginals false
  // keeps the originals and adds copies.
  void RestructureComponents(const std::vector<Component*>& components, Component* newParent,
                             bool deleteOriginals, std::vector<Component*>& newComponents,
                             ErrorList** errorList);
  // Shows the components with their exact geometry (the only representation this host
  // has, so the display does not change). Returns a new ErrorList for the caller to
  // delete, one entry per component that is not of this assembly.
  ErrorList* DisplayComponentsExact(const std::vector<Component*>& components);

private:
  friend class NXOpen::Part;
  explicit ComponentAssembly(tag_t part) : part_(part) {}
  tag_t part_;
};

}  // namespace Assemblies
}  // namespace NXOpen
