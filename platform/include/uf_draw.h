/* The host's C interface to drawings (as the real host's uf_draw.h): the drawing
 * sheets of the work part. */
#ifndef UF_DRAW_INCLUDED
#define UF_DRAW_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The drawing sheets of the work part in creation order, in an array to release with
 * UF_free (NULL when there are none). */
extern UFUNEXPORT int UF_DRAW_ask_drawings(int *num_drawings, tag_t **drawings);

#ifdef __cplusplus
}
#endif

#endif /* UF_DRAW_INCLUDED */
