// A drafting view showing a model view of a part (possibly another part than the
// sheet's), the parent of projected views.
#pragma once
#include <NXOpen/Drawings_DraftingView.hxx>

namespace NXOpen {
class NXObjectManager;
namespace Drawings {

class NXOPENCPPEXPORT BaseView : public DraftingView {
public:
  ~BaseView() override;

protected:
  friend class NXOpen::NXObjectManager;
  explicit BaseView(tag_t tag) : DraftingView(tag) {}
};

}  // namespace Drawings
}  // namespace NXOpen
