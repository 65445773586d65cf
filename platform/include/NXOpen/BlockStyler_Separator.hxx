// A line between blocks.
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT Separator : public UIBlock {
public:
  ~Separator() override;

private:
  friend class BlockDialog;
  Separator() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
