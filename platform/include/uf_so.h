/* The host's smart objects (as the real host's uf_so.h): the assembly-context transform
 * that WAVE links are placed by. */
#ifndef UF_SO_INCLUDED
#define UF_SO_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A transform (object of type UF_xform_type) taking coordinates of from_part_occ's part
 * to those of to_part_occ's part, both occurrences of one assembly; NULL_TAG for either
 * means the assembly's root. The transform lives in object_in_part's part for the session. */
extern UFUNEXPORT int UF_SO_create_xform_assy_ctxt(tag_t object_in_part, tag_t from_part_occ,
                                                   tag_t to_part_occ, tag_t *xform);

#ifdef __cplusplus
}
#endif

#endif /* UF_SO_INCLUDED */
