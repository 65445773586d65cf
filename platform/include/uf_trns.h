/* The host's classic transformation routine (as the real host's uf_trns.h). */
#ifndef UF_TRNS_INCLUDED
#define UF_TRNS_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Moves (move 1) the objects by the 4x4 matrix rmatx (rows; a rigid motion, optionally
 * uniformly scaled). Bodies move; a group moves its members. dlay 0 keeps the layers,
 * -1 puts the objects on the work layer, 1..256 on that layer. ictrac 2: no trace curves
 * (the only value here). Copying (move 2) is not offered by this host. status: 0 done,
 * else the host's error code (UF_get_fail_message has the text); then nothing moved. */
extern UFUNEXPORT void uf5947(const double rmatx[16], const tag_t objary[], const int *nobjs, const int *move,
                              const int *dlay, const int *ictrac, tag_t copies[], tag_t *ictrac_grp, int *status);

#ifdef __cplusplus
}
#endif

#endif /* UF_TRNS_INCLUDED */
