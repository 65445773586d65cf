// A view placed on a drawing sheet.
#pragma once
#include <NXOpen/View.hxx>

namespace NXOpen {
class NXObjectManager;
namespace Drawings {

class NXOPENCPPEXPORT DraftingView : public NXOpen::View {
public:
  ~DraftingView() override;

protected:
  friend class NXOpen::NXObjectManager;
  explicit DraftingView(tag_t tag) : View(tag) {}
};

}  // namespace Drawings
}  // namespace NXOpen
