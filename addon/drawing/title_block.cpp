// Title-block filling: cell by cell through the host's tabular notes.
#include "drawing/title_block.h"

#include <vector>

#include <uf.h>
#include <uf_obj.h>
#include <uf_tabnot.h>
#include <uf_view.h>

#include "drawing/title_block_text.h"
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

void fill_note(tag_t note, const TitleBlockValues& values) {
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
      const auto replacement = title_block_replacement(text ? text : "", values);
      if (text) UF_free(text);
      if (replacement) UF_TABNOT_set_cell_text(cell, replacement->c_str());
    }
  }
}

}  // namespace

void 标题栏设置(const std::string& material, const std::string& numberSuffix, const std::string& drawingName,
               const std::string& quantity, const std::string& total) {
  const UfSession uf;
  const TitleBlockValues values{material, numberSuffix, drawingName, quantity, total};
  for (tag_t section : visible_note_sections()) {
    tag_t note = NULL_TAG;
    UF_TABNOT_ask_tabular_note_of_section(section, &note);
    fill_note(note, values);
  }
}

}  // namespace kzt
