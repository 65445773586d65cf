// A block holding other blocks; the dialog's top block finds any block by id.
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>

namespace NXOpen {
namespace BlockStyler {

class BlockDialog;

class NXOPENCPPEXPORT CompositeBlock : public UIBlock {
public:
  ~CompositeBlock() override;
  // The block with that id at any depth below; throws NXException naming the id and
  // the dialog file when there is none.
  UIBlock* FindBlock(const NXString& blockId);

private:
  friend class BlockDialog;
  CompositeBlock() = default;
  BlockDialog* dialog_ = nullptr;
};

}  // namespace BlockStyler
}  // namespace NXOpen
