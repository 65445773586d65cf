/* The host's C interface to drawings (as the real host's uf_draw.h): the drawing
 * sheets of the work part, their views and the views' scales and places. Sheet
 * coordinates are millimetres from the sheet's lower left corner. */
#ifndef UF_DRAW_INCLUDED
#define UF_DRAW_INCLUDED

#include <uf_defs.h>
#include <uf_draw_types.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The drawing sheets of the work part in creation order, in an array to release with
 * UF_free (NULL when there are none). */
extern UFUNEXPORT int UF_DRAW_ask_drawings(int *num_drawings, tag_t **drawings);

/* The work part's current sheet: the one made or opened last; NULL_TAG when none. */
extern UFUNEXPORT int UF_DRAW_ask_current_drawing(tag_t *drawing_tag);

/* Makes a sheet of the work part the current one (shown, its view the work view). */
extern UFUNEXPORT int UF_DRAW_open_drawing(const tag_t drawing_tag);

/* A sheet's size, scale, units and projection angle (NULL_TAG: the current sheet).
 * Sheets made from the templates are custom-sized, metric, first-angle. */
extern UFUNEXPORT int UF_DRAW_ask_drawing_info(tag_t drawing_tag, UF_DRAW_info_t *drawing_info);
/* Writes them back; the sheet must be the current one. The sheet scale does not change
 * the scale of views already on it. */
extern UFUNEXPORT int UF_DRAW_set_drawing_info(const tag_t drawing_tag, UF_DRAW_info_p_t drawing_info);

/* Renames a sheet (NULL_TAG: the current one). Fails, naming it, for an empty name, a
 * name with "/" or "\", or one another sheet of the part has. */
extern UFUNEXPORT int UF_DRAW_rename_drawing(const tag_t drawing_tag, const char *new_drawing_name);

/* Deletes a drawing sheet of the work part with its views and notes. When it was the
 * current sheet, the last remaining sheet becomes current. */
extern UFUNEXPORT int UF_DRAW_delete_drawing(tag_t drawing_tag);

/* The views on a sheet (NULL_TAG: the current one) in creation order; free with UF_free. */
extern UFUNEXPORT int UF_DRAW_ask_views(const tag_t drawing_tag, int *num_views, tag_p_t *view_tag);
/* The sheet a view lies on; NULL_TAG when it is not on one. */
extern UFUNEXPORT int UF_DRAW_ask_drawing_of_view(const tag_t member_view, tag_t *drawing);

/* Projects a view off its parent on the current sheet, at the parent's scale, centred at
 * the reference point. First-angle projection: the view placed right of a front view
 * shows the model from the left, the view placed below shows it from above. */
extern UFUNEXPORT int UF_DRAW_add_orthographic_view(const tag_t drawing_tag, const tag_t parent_view_tag,
                                                    const UF_DRAW_proj_dir_t projection_direction,
                                                    double dwg_reference_point[2], tag_t *ortho_view_tag);

/* Recomputes the content (hidden-line projection) of every out-of-date view of a sheet
 * (NULL_TAG: the current one). */
extern UFUNEXPORT int UF_DRAW_upd_out_of_date_views(const tag_t drawing_tag);

/* Recomputes the content of one view of the sheet (NULL_TAG: the current one), out of
 * date or not; an error when the view is not on that sheet. */
extern UFUNEXPORT int UF_DRAW_update_one_view(tag_t drawing_tag, tag_t view_tag);

/* The name of the work part's current sheet; an empty text and an error without one. */
extern UFUNEXPORT int uc6492(char cr1[MAX_ENTITY_NAME_BUFSIZE]);

/* A view's scale (sheet length over model length, > 0); the view stays centred where it
 * was and becomes out of date. exp_tag is NULL_TAG: scales are not expressions here. */
extern UFUNEXPORT int UF_DRAW_set_view_scale(tag_t view_tag, double scale);
extern UFUNEXPORT int UF_DRAW_ask_view_scale(tag_t view_tag, tag_t *exp_tag, double *scale_value);

/* Moves a view so that its centre lies at the reference point. */
extern UFUNEXPORT int UF_DRAW_move_view(const tag_t view_tag, const double drawing_reference_point[2]);
/* A view's centre on its sheet. */
extern UFUNEXPORT int UF_DRAW_ask_drawing_ref_pt(const tag_t view_tag, double reference_pt[2]);
/* The box of what a view draws on its sheet as last updated: xmin, ymin, xmax, ymax.
 * Fails for a view that draws nothing yet (never updated). */
extern UFUNEXPORT int UF_DRAW_ask_view_borders(tag_t view_tag, double view_borders[4]);

/* Defaults for UF_DRAW_import_view: active view, no anchor, scale 1.0, no reference point,
 * annotations transferred, no inherited boundary, empty names. */
extern UFUNEXPORT int UF_DRAW_initialize_view_info(UF_DRAW_view_info_t *view_info);
/* Places a model view of the work part ("Front", "Isometric", ...) on the current sheet
 * at view_info->view_scale, centred at the reference point. The new view shows every
 * layer until a mask is set with uc6447. */
extern UFUNEXPORT int UF_DRAW_import_view(const tag_t drawing_tag, const tag_t view_tag,
                                          double dwg_reference_point[2], UF_DRAW_view_info_t *view_info,
                                          tag_t *draw_view_tag);

#ifdef __cplusplus
}
#endif

#endif /* UF_DRAW_INCLUDED */
