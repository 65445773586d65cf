// Through the host's tabular-note sections of the work view.
#include "drawing/work_view_cells.h"

#include <vector>

#include <uf.h>
#include <uf_obj.h>
#include <uf_object_types.h>
#include <uf_tabnot.h>
#include <uf_view.h>

#include "host/uf_session.h"

namespace kzt {

namespace {

std::vector<tag_t> visible_note_sections() {
  std::vector<tag_t> sections;
  tag_t object = NULL_TAG;
  while (UF_VIEW_cycle_objects(NULL_TAG, UF_VIEW_VISIBLE_OBJECTS, &object) == 0 && object != NULL_TAG) {
    int type = 0, subtype = 0;
    UF_OBJ_ask_type_and_subtype(object, &type, &subtype);
    if (type == UF_tabular_note_type && subtype == UF_tabular_note_section_subtype) sections.push_back(object);
  }
  return sections;
}

}  // namespace

void for_each_work_view_cell(const std::function<void(tag_t cell, const std::string& text)>& visit) {
  const UfSession uf;
  for (tag_t section : visible_note_sections()) {
    tag_t note = NULL_TAG;
    UF_TABNOT_ask_tabular_note_of_section(section, &note);
    int rows = 0, columns = 0;
    UF_TABNOT_ask_nm_rows(note, &rows);
    UF_TABNOT_ask_nm_columns(note, &columns);
    for (int r = 0; r < rows; ++r) {
      tag_t row = NULL_TAG;
      UF_TABNOT_ask_nth_row(note, r, &row);
      for (int c = 0; c < columns; ++c) {
        tag_t column = NULL_TAG, cell = NULL_TAG;
        UF_TABNOT_ask_nth_column(note, c, &column);
        UF_TABNOT_ask_cell_at_row_col(row, column, &cell);
        char* text = nullptr;
        UF_TABNOT_ask_cell_text(cell, &text);
        const std::string shown = text ? text : "";
        if (text) UF_free(text);
        visit(cell, shown);
      }
    }
  }
}

}  // namespace kzt
