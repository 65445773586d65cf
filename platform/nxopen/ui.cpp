// UI and NXMessageBox of the object interface.
#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/NXMessageBox.hxx>
#include <NXOpen/UI.hxx>

#include "platform/ui/messages.h"

namespace NXOpen {

UI* UI::GetUI() {
  static UI ui;
  return &ui;
}

BlockStyler::BlockDialog* UI::CreateDialog(const NXString& dialogName) {
  return BlockStyler::BlockDialog::Load(dialogName);
}

NXMessageBox* UI::NXMessageBox() { return &box_; }

int NXMessageBox::Show(const NXString& title, DialogType style, const NXString& message) {
  if (style == DialogTypeError) platform::ui::ShowErrorBox(title.GetText(), message.GetText());
  else platform::ui::ShowMessage(message.GetText());
  return 1;  // OK, or yes to a question
}

}  // namespace NXOpen
