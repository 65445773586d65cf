// A block that holds other blocks under a title (layout only).
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT Group : public UIBlock {
public:
  ~Group() override;
  bool Expanded();
  void SetExpanded(bool expanded);
private:
  friend class BlockDialog;
  Group() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
