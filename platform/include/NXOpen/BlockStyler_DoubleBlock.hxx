// A number field ("Value": double).
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT DoubleBlock : public UIBlock {
public:
  ~DoubleBlock() override;
  double Value();
  void SetValue(double value);
private:
  friend class BlockDialog;
  DoubleBlock() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
