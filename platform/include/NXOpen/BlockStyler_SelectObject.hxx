// A selection of objects ("SelectedObjects", "SelectionFilter", "MaximumScope").
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>
#include <vector>

#include <NXOpen/TaggedObject.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT SelectObject : public UIBlock {
public:
  ~SelectObject() override;
  std::vector<TaggedObject*> GetSelectedObjects();
  void SetSelectedObjects(const std::vector<TaggedObject*>& objects);
private:
  friend class BlockDialog;
  SelectObject() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
