// A colour choice ("Value": colour numbers, the first is the colour).
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>
#include <vector>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT ObjectColorPicker : public UIBlock {
public:
  ~ObjectColorPicker() override;
  std::vector<int> GetValue();
  void SetValue(const std::vector<int>& value);
private:
  friend class BlockDialog;
  ObjectColorPicker() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
