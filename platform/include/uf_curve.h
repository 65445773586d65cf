/* The host's C interface to curves (as the real host's uf_curve.h): centroids of the
 * edges of solid bodies. Lengths are millimetres. */
#ifndef UF_CURVE_INCLUDED
#define UF_CURVE_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The length-weighted centroid of an edge (of an edge occurrence: placed in the work
 * part's coordinates): the middle of a line, the centre of a full circle. */
extern UFUNEXPORT int UF_CURVE_ask_centroid(tag_t curve_id, double centroid[3]);

#ifdef __cplusplus
}
#endif

#endif /* UF_CURVE_INCLUDED */
