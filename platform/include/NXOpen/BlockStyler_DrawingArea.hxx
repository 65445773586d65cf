// A picture ("Image": the picture file's host path).
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT DrawingArea : public UIBlock {
public:
  ~DrawingArea() override;
  NXString Image();
  void SetImage(const NXString& image);
private:
  friend class BlockDialog;
  DrawingArea() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
