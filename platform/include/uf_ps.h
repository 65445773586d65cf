/* The host's bridge to its solid modeller (as the real host's uf_ps.h). */
#ifndef UF_PS_INCLUDED
#define UF_PS_INCLUDED

#include <uf_defs.h>
#include <parasolid_kernel.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The modeller entity behind a body, face or edge; an occurrence gives its prototype's
 * (the modeller knows no assemblies, so its figures are in the component part's
 * coordinates). */
extern UFUNEXPORT int UF_PS_ask_ps_tag_of_object(tag_t object_tag, PK_ENTITY_t *ps_tag);

#ifdef __cplusplus
}
#endif

#endif /* UF_PS_INCLUDED */
