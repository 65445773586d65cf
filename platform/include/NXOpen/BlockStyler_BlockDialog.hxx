// A dialog made from a dialog file: the add-on registers its callbacks and shows it
// modally. Headless, the journal drives it (see docs/journal.md).
#pragma once
#include <NXOpen/BlockStyler_CompositeBlock.hxx>
#include <NXOpen/BlockStyler_PropertyList.hxx>
#include <NXOpen/BlockStyler_UIBlock.hxx>
#include <NXOpen/Callback.hxx>
#include <NXOpen/TaggedObject.hxx>

namespace NXOpen {
class UI;
namespace BlockStyler {

class NXOPENCPPEXPORT BlockDialog {
public:
  enum DialogResponse { DialogResponseInvalid = -1, DialogResponseOk = 1, DialogResponseCancel = 2 };

  typedef Callback0<int> Apply;
  typedef Callback0<int> Ok;
  typedef Callback0<int> Cancel;
  typedef Callback1<int, UIBlock*> Update;
  typedef Callback2<int, UIBlock*, TaggedObject*> Filter;  // 1 accept, 0 reject
  typedef Callback0<void> Initialize;
  typedef Callback0<void> DialogShown;

  virtual ~BlockDialog();

  void AddApplyHandler(const Apply& cb);
  void AddOkHandler(const Ok& cb);
  void AddUpdateHandler(const Update& cb);
  void AddFilterHandler(const Filter& cb);
  void AddCancelHandler(const Cancel& cb);
  void AddInitializeHandler(const Initialize& cb);
  void AddDialogShownHandler(const DialogShown& cb);

  // Runs the dialog until OK or Cancel closes it. Throws NXException when nothing
  // can answer it or its driver fails.
  DialogResponse Show();
  CompositeBlock* TopBlock();
  PropertyList* GetBlockProperties(const NXString& blockId);  // the caller deletes it

private:
  friend class NXOpen::UI;
  friend class CompositeBlock;
  struct Impl;
  static BlockDialog* Load(const NXString& dialogName);
  UIBlock* Wrap(void* block);  // the object for a toolkit block of this dialog
  explicit BlockDialog(Impl* impl) : impl_(impl) {}
  Impl* impl_;
};

}  // namespace BlockStyler
}  // namespace NXOpen
