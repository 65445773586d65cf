// uf_tabnot.h: tabular notes, reached from their sections; rows, columns and cells.
#include <uf_tabnot.h>

#include "platform/api/drafting_objects.h"
#include "platform/api/guard.h"

using namespace platform;
using namespace platform::api;

namespace {

void CheckIndex(const TabularNote& note, int n, int count, const char* what) {
  if (n < 0 || n >= count)
    throw HostError(HostStatus::InvalidArgument, std::string("tabular note ") + std::to_string(note.GetTag()) +
                                                     " has no " + what + " " + std::to_string(n) + " (it has " +
                                                     std::to_string(count) + ", counted from 0)");
}

void Modified(TabularNote& note) {
  if (note.owner) note.owner->modified = true;
}

}  // namespace

extern "C" {

int UF_TABNOT_ask_tabular_note_of_section(tag_t section, tag_t* tabular_note) {
  return Guard("UF_TABNOT_ask_tabular_note_of_section", [&] {
    Need(tabular_note, "tabular_note");
    *tabular_note = NotePiece(section, kTabularNoteSectionSubtype, "a tabular-note section").note->GetTag();
  });
}

int UF_TABNOT_ask_nm_rows(tag_t tabular_note, int* nm_rows) {
  return Guard("UF_TABNOT_ask_nm_rows", [&] { *Need(nm_rows, "nm_rows") = NoteOf(tabular_note).Rows(); });
}

int UF_TABNOT_ask_nth_row(tag_t tabular_note, int n, tag_t* row) {
  return Guard("UF_TABNOT_ask_nth_row", [&] {
    Need(row, "row");
    TabularNote& note = NoteOf(tabular_note);
    CheckIndex(note, n, note.Rows(), "row");
    *row = note.RowTag(n);
  });
}

int UF_TABNOT_ask_nm_columns(tag_t tabular_note, int* nm_columns) {
  return Guard("UF_TABNOT_ask_nm_columns", [&] { *Need(nm_columns, "nm_columns") = NoteOf(tabular_note).Columns(); });
}

int UF_TABNOT_ask_nth_column(tag_t tabular_note, int n, tag_t* column) {
  return Guard("UF_TABNOT_ask_nth_column", [&] {
    Need(column, "column");
    TabularNote& note = NoteOf(tabular_note);
    CheckIndex(note, n, note.Columns(), "column");
    *column = note.ColumnTag(n);
  });
}

int UF_TABNOT_ask_cell_at_row_col(tag_t row, tag_t column, tag_t* cell) {
  return Guard("UF_TABNOT_ask_cell_at_row_col", [&] {
    Need(cell, "cell");
    TabularNotePiece& r = NotePiece(row, kTabularNoteRowSubtype, "a tabular-note row");
    TabularNotePiece& c = NotePiece(column, kTabularNoteColumnSubtype, "a tabular-note column");
    if (r.note != c.note)
      throw HostError(HostStatus::InvalidArgument,
                      "row " + std::to_string(row) + " and column " + std::to_string(column) + " are of different notes");
    *cell = r.note->CellTag(r.row, c.column);
  });
}

int UF_TABNOT_ask_cell_text(tag_t cell, char** cell_text) {
  return Guard("UF_TABNOT_ask_cell_text", [&] {
    Need(cell_text, "cell_text");
    TabularNotePiece& piece = NotePiece(cell, kTabularNoteCellSubtype, "a tabular-note cell");
    *cell_text = DupString(piece.note->Cell(piece.row, piece.column));
  });
}

int UF_TABNOT_set_cell_text(tag_t cell, const char* cell_text) {
  return Guard("UF_TABNOT_set_cell_text", [&] {
    const std::string text = NeedText(cell_text, "cell_text");
    TabularNotePiece& piece = NotePiece(cell, kTabularNoteCellSubtype, "a tabular-note cell");
    piece.note->Cell(piece.row, piece.column) = text;
    Modified(*piece.note);
  });
}

}  // extern "C"
