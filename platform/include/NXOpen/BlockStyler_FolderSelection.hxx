// A folder field ("Path": GBK host path).
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT FolderSelection : public UIBlock {
public:
  ~FolderSelection() override;
  NXString Path();
  void SetPath(const NXString& path);
private:
  friend class BlockDialog;
  FolderSelection() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
