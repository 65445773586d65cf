/* The host's tabular notes (as the real host's uf_tabnot.h): the tables of a sheet,
 * such as a template's title block. A note is reached from one of its sections (type
 * 165, subtype 0); rows and columns are counted from 0 in display order. */
#ifndef UF_TABNOT_INCLUDED
#define UF_TABNOT_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

extern UFUNEXPORT int UF_TABNOT_ask_tabular_note_of_section(tag_t section, tag_t *tabular_note);
extern UFUNEXPORT int UF_TABNOT_ask_nm_rows(tag_t tabular_note, int *nm_rows);
extern UFUNEXPORT int UF_TABNOT_ask_nth_row(tag_t tabular_note, int n, tag_t *row);
extern UFUNEXPORT int UF_TABNOT_ask_nm_columns(tag_t tabular_note, int *nm_columns);
extern UFUNEXPORT int UF_TABNOT_ask_nth_column(tag_t tabular_note, int n, tag_t *column);
extern UFUNEXPORT int UF_TABNOT_ask_cell_at_row_col(tag_t row, tag_t column, tag_t *cell);
/* The cell's text (GBK) in a string to release with UF_free; "" for an empty cell. */
extern UFUNEXPORT int UF_TABNOT_ask_cell_text(tag_t cell, char **cell_text);
/* Replaces the whole text of the cell. */
extern UFUNEXPORT int UF_TABNOT_set_cell_text(tag_t cell, const char *cell_text);

#ifdef __cplusplus
}
#endif

#endif /* UF_TABNOT_INCLUDED */
