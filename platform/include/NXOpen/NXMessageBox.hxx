// The host's message box. Headless, an error box prints "error box: TITLE: TEXT" and
// the other kinds print "message: TEXT"; question boxes are answered yes.
#pragma once
#include <NXOpen/NXString.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT NXMessageBox {
public:
  enum DialogType { DialogTypeError, DialogTypeWarning, DialogTypeInformation, DialogTypeQuestion };
  int Show(const NXString& title, DialogType style, const NXString& message);

private:
  friend class UI;
  NXMessageBox() = default;
};

}  // namespace NXOpen
