// A component occurrence: one placement of a part in an assembly, as seen from the
// assembly's root part. The root component stands for the assembly part itself.
#pragma once
#include <vector>

#include <NXOpen/DisplayableObject.hxx>

namespace NXOpen {
class NXObjectManager;
namespace Assemblies {

class NXOPENCPPEXPORT Component : public DisplayableObject {
public:
  ~Component() override;
  // The part this component shows (an NXOpen::Part); null when it is not loaded.
  NXObject* Prototype();
  // The component this one sits in; null for a root component.
  Component* Parent();
  // The components directly below this one, in the order they were added.
  std::vector<Component*> GetChildren();
  // The component below this one with the identifier "COMPONENT <name> 1", where
  // <name> is its object name or instance name: children first, then deeper, depth
  // first. Throws NXException naming the identifier when none matches.
  NXObject* FindObject(const NXString& journalIdentifier);
  // The name the assembly navigator shows: its part's file name without folder and
  // ".prt", following a save-as, whether or not the part is loaded.
  NXString DisplayName();

protected:
  friend class NXOpen::NXObjectManager;
  explicit Component(tag_t tag) : DisplayableObject(tag) {}
};

}  // namespace Assemblies
}  // namespace NXOpen
