// Sheet steps shared by the component-mode and layer-mode batches.
#include "drawing/batch_sheets.h"

#include <stdexcept>

#include <uf.h>
#include <uf_draw.h>
#include <uf_obj.h>
#include <uf_plist.h>

#include "host/report_status.h"

namespace kzt {

void rename_current_sheet(const std::string& name) {
  tag_t sheet = NULL_TAG;
  UF_DRAW_ask_current_drawing(&sheet);
  if (const int code = UF_DRAW_rename_drawing(sheet, name.c_str()); code != 0) {
    UF_OBJ_delete_object(sheet);
    throw std::runtime_error(uf_fail_message(code));
  }
}

void update_all_sheets() {
  UF_PLIST_update_all_plists();
  int count = 0;
  tag_t* sheets = nullptr;
  UF_DRAW_ask_drawings(&count, &sheets);
  std::string failure;
  for (int i = 0; i < count; ++i)
    if (const int code = UF_DRAW_upd_out_of_date_views(sheets[i]); code != 0 && failure.empty())
      failure = uf_fail_message(code);
  if (sheets) UF_free(sheets);
  if (!failure.empty()) throw std::runtime_error(failure);
}

}  // namespace kzt
