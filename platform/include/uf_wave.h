/* The host's WAVE links (as the real host's uf_wave.h): copies of bodies from other
 * parts of an assembly. */
#ifndef UF_WAVE_INCLUDED
#define UF_WAVE_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A new body in object_in_part's part (the work part when NULL_TAG): a copy of `body`'s
 * geometry placed by `xform` (UF_SO_create_xform_assy_ctxt; NULL_TAG: as it is, or by an
 * occurrence's own placement), with the source's colour and density, on the work layer.
 * Returns the LINKED_BODY feature that made it; UF_MODL_ask_feat_body gives the body. */
extern UFUNEXPORT int UF_WAVE_create_linked_body(tag_t body, tag_t xform, tag_t object_in_part,
                                                 logical at_timestamp, tag_t *linked_feature);

#ifdef __cplusplus
}
#endif

#endif /* UF_WAVE_INCLUDED */
