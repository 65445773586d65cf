// The drafting views of a part's sheets.
#pragma once
#include <NXOpen/Drawings_BaseView.hxx>
#include <NXOpen/Drawings_BaseViewBuilder.hxx>

namespace NXOpen {
class Part;
namespace Drawings {

class NXOPENCPPEXPORT DraftingViewCollection {
public:
  ~DraftingViewCollection() = default;
  // A builder for a new base view (baseView null); end it with Destroy().
  BaseViewBuilder* CreateBaseViewBuilder(BaseView* baseView);

private:
  friend class NXOpen::Part;
  explicit DraftingViewCollection(tag_t part) : part_(part) {}
  tag_t part_;
};

}  // namespace Drawings
}  // namespace NXOpen
