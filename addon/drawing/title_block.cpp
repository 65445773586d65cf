// Title-block filling: cell by cell through the host's tabular notes.
#include "drawing/title_block.h"

#include <uf.h>
#include <uf_tabnot.h>

#include "drawing/title_block_text.h"
#include "drawing/work_view_cells.h"
#include "host/uf_session.h"

namespace kzt {

void 标题栏设置(const std::string& material, const std::string& numberSuffix, const std::string& drawingName,
               const std::string& quantity, const std::string& total) {
  const UfSession uf;
  const TitleBlockValues values{material, numberSuffix, drawingName, quantity, total};
  for_each_work_view_cell([&](tag_t cell, const std::string& text) {
    if (const auto replacement = title_block_replacement(text, values)) UF_TABNOT_set_cell_text(cell, replacement->c_str());
  });
}

}  // namespace kzt
