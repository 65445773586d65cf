// A text field ("Value": GBK text).
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT StringBlock : public UIBlock {
public:
  ~StringBlock() override;
  NXString Value();
  void SetValue(const NXString& value);
private:
  friend class BlockDialog;
  StringBlock() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
