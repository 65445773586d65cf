// A check box ("Value": logical).
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT Toggle : public UIBlock {
public:
  ~Toggle() override;
  bool Value();
  void SetValue(bool value);
private:
  friend class BlockDialog;
  Toggle() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
