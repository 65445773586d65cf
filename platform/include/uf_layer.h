/* The host's C interface to layers of the work part (as the real host's uf_layer.h).
 * Each part keeps its own layer settings for the session: exactly one work layer, the
 * others selectable, visible only or invisible. */
#ifndef UF_LAYER_INCLUDED
#define UF_LAYER_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

#define UF_LAYER_MIN_LAYER 1
#define UF_LAYER_MAX_LAYER 256

#define UF_LAYER_WORK_LAYER 1
#define UF_LAYER_ACTIVE_LAYER 2      /* selectable */
#define UF_LAYER_REFERENCE_LAYER 3   /* visible only */
#define UF_LAYER_INACTIVE_LAYER 4    /* invisible */

/* Status UF_LAYER_WORK_LAYER moves the work layer (the old one becomes selectable); the
 * work layer's status cannot be changed otherwise. */
extern UFUNEXPORT int UF_LAYER_set_status(int layer_number, int status);
extern UFUNEXPORT int UF_LAYER_ask_status(int layer_number, int *status);
extern UFUNEXPORT int UF_LAYER_ask_work_layer(int *layer_number);
/* Gives every layer but the work layer the status 2, 3 or 4. */
extern UFUNEXPORT int UF_LAYER_set_all_but_work(int status);
/* Next object of the work part on a layer (NULL_TAG starts and ends). */
extern UFUNEXPORT int UF_LAYER_cycle_by_layer(int layer_number, tag_t *object_tag);

#ifdef __cplusplus
}
#endif

#endif /* UF_LAYER_INCLUDED */
