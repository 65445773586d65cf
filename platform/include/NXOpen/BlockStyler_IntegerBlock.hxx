// A whole-number field ("Value": integer).
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT IntegerBlock : public UIBlock {
public:
  ~IntegerBlock() override;
  int Value();
  void SetValue(int value);
private:
  friend class BlockDialog;
  IntegerBlock() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
