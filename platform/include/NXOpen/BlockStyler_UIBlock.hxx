// Base of every dialog block: its id, kind, label, visibility and property list.
#pragma once
#include <NXOpen/BlockStyler_PropertyList.hxx>
#include <NXOpen/NXString.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT UIBlock {
public:
  virtual ~UIBlock();
  PropertyList* GetProperties();  // the caller deletes it
  NXString Name();                // the block id
  NXString Type();                // the block kind, e.g. "Toggle"
  NXString Label();
  void SetLabel(const NXString& label);
  bool Show();
  void SetShow(bool show);
  bool Enable();
  void SetEnable(bool enable);

protected:
  UIBlock() = default;
  void* block_ = nullptr;  // the toolkit's block

private:
  friend class BlockDialog;
};

}  // namespace BlockStyler
}  // namespace NXOpen
