/* The host's parts lists (as the real host's uf_plist.h): tabular notes of type 165,
 * subtype 11, one row per object added. */
#ifndef UF_PLIST_INCLUDED
#define UF_PLIST_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Updates every parts list of the work part: rows follow the objects added, numbered
 * again from 1 in order. */
extern UFUNEXPORT int UF_PLIST_update_all_plists(void);

#ifdef __cplusplus
}
#endif

#endif /* UF_PLIST_INCLUDED */
