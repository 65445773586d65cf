// The host's user interface: dialogs from dialog files, and the message box.
#pragma once
#include <NXOpen/NXMessageBox.hxx>
#include <NXOpen/NXString.hxx>

namespace NXOpen {
namespace BlockStyler { class BlockDialog; }

class NXOPENCPPEXPORT UI {
public:
  static UI* GetUI();
  // A new dialog laid out by the named dialog file (found in the host's application
  // folders); the caller deletes it. Throws NXException naming a missing or bad file.
  BlockStyler::BlockDialog* CreateDialog(const NXString& dialogName);
  NXOpen::NXMessageBox* NXMessageBox();

private:
  UI() = default;
  NXOpen::NXMessageBox box_;
};

}  // namespace NXOpen
