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
/* Adds a body or a component of the parts list's part as a member; its row appears on
 * update. Components are added as themselves (add_components_as_subassemblies must be
 * false here). Anything else fails naming the object and adds nothing. */
extern UFUNEXPORT int UF_PLIST_add_object(tag_t parts_list, logical add_components_as_subassemblies, tag_t object);
/* Rows made again from the members still there, numbered from 1. */
extern UFUNEXPORT int UF_PLIST_update(tag_t parts_list);

#ifdef __cplusplus
}
#endif

#endif /* UF_PLIST_INCLUDED */
