// The dialog framework's non-template parts.
#include "host/dialog_framework.h"

#include <NXOpen/NXMessageBox.hxx>
#include <uf.h>
#include <uf_part.h>

#include "host/uf_session.h"

namespace kzt {

void show_error_box(const std::exception& ex) {
  NXOpen::UI::GetUI()->NXMessageBox()->Show(kErrorBoxTitle, NXOpen::NXMessageBox::DialogTypeError,
                                            ex.what());
}

void host_part_cleanup() {
  UfSession uf;
  UF_PART_cleanup(1);
}

int show_dialog(NXOpen::BlockStyler::BlockDialog* dialog) {
  try {
    dialog->Show();
  } catch (const std::exception& ex) {
    show_error_box(ex);
  }
  return 0;
}

}  // namespace kzt
