// A button; pressing it calls the dialog's update callback.
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT Button : public UIBlock {
public:
  ~Button() override;

private:
  friend class BlockDialog;
  Button() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
