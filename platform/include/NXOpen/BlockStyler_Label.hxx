// Static text.
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT Label : public UIBlock {
public:
  ~Label() override;

private:
  friend class BlockDialog;
  Label() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
