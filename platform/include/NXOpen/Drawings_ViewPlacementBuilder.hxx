// Where a view goes: the picked point on the sheet is the view's centre.
#pragma once
#include <NXOpen/SelectNXObject.hxx>
#include <NXOpen/TaggedObject.hxx>

namespace NXOpen {
namespace Drawings {

class NXOPENCPPEXPORT ViewPlacementBuilder : public NXOpen::TaggedObject {
public:
  ViewPlacementBuilder() : TaggedObject(0) {}
  ~ViewPlacementBuilder() override = default;
  NXOpen::SelectNXObject* Placement() { return &placement_; }

private:
  NXOpen::SelectNXObject placement_;
};

}  // namespace Drawings
}  // namespace NXOpen
