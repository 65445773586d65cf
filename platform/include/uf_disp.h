/* The host's C interface to display: highlighting and the colour table (as the real
 * host's uf_disp.h). The table has entries 0..216: 0 is the background, 1..216 the
 * object colours (186 "Red", 31 "Cyan", ...). It is kept for the session. */
#ifndef UF_DISP_INCLUDED
#define UF_DISP_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Colour models */
#define UF_DISP_rgb_model 0
#define UF_DISP_hsv_model 1
#define UF_DISP_hls_model 2

#define UF_DISP_CCM_EUCLIDEAN_DISTANCE 1
#define UF_DISP_BACKGROUND_COLOR 0
#define UF_DISP_MAX_NAME_SIZE 32

extern UFUNEXPORT int UF_DISP_set_highlight(tag_t object_id, int is_highlighted);

/* A colour of the table: its name (allocated, free with UF_free) and its three values in
 * the model asked for, each 0..1 (hue too). */
extern UFUNEXPORT int UF_DISP_ask_color(int color_num, int color_model, char **color_name, double clr_values[3]);
/* Changes a colour; a NULL name keeps the old one. */
extern UFUNEXPORT int UF_DISP_set_color(int color_num, int color_model, const char *color_name,
                                        const double clr_values[3]);
/* Makes colour changes visible; the headless host shows them at once. */
extern UFUNEXPORT int UF_DISP_load_color_table(void);
extern UFUNEXPORT int UF_DISP_ask_color_count(int *count);
/* The object colour (1..216) nearest to the values, Euclidean in RGB. */
extern UFUNEXPORT int UF_DISP_ask_closest_color(int color_model, double clr_values[3], int closest_method,
                                                int *color_num);
extern UFUNEXPORT int UF_DISP_regenerate_display(void);

#ifdef __cplusplus
}
#endif

#endif /* UF_DISP_INCLUDED */
