/* The host's C interface to assemblies: occurrences, prototypes, components, the work
 * part and work occurrence (as the real host's uf_assem.h). */
#ifndef UF_ASSEM_INCLUDED
#define UF_ASSEM_INCLUDED

#include <uf_defs.h>
#include <uf_cfi.h>

#ifdef __cplusplus
extern "C" {
#endif

/* True for a component occurrence below a root and for a body occurrence. */
extern UFUNEXPORT logical UF_ASSEM_is_occurrence(tag_t entity);
/* The body a body occurrence shows, the part a component occurrence shows (NULL_TAG when
 * it is not loaded); any other object is its own prototype. */
extern UFUNEXPORT tag_t UF_ASSEM_ask_prototype_of_occ(tag_t occurrence);
/* The root part occurrence of an assembly part; NULL_TAG for a part without components. */
extern UFUNEXPORT tag_t UF_ASSEM_ask_root_part_occ(tag_t part);
/* The component occurrences directly below a part occurrence; returns their number and
 * an array to free with UF_free (NULL when there are none). */
extern UFUNEXPORT int UF_ASSEM_ask_part_occ_children(tag_t part_occur, tag_t **child_part_occs);
/* The component occurrence an occurrence sits in: a body occurrence's component, a
 * component's parent occurrence; NULL_TAG for objects of the part itself. */
extern UFUNEXPORT tag_t UF_ASSEM_ask_parent_component(tag_t occurrence);
extern UFUNEXPORT tag_t UF_ASSEM_ask_part_occurrence(tag_t occurrence);
/* The occurrence of a prototype object seen through a part occurrence, or NULL_TAG. */
extern UFUNEXPORT tag_t UF_ASSEM_find_occurrence(tag_t part_occur, tag_t object);
/* The occurrences of `part` below `parent_part`; array to free with UF_free. */
extern UFUNEXPORT int UF_ASSEM_ask_occs_of_part(tag_t parent_part, tag_t part, tag_t **part_occs);

/* Next object below a component occurrence (NULL_TAG starts and ends): its body
 * occurrences, then each child component followed by what is below it, at every level. */
extern UFUNEXPORT int UF_ASSEM_cycle_objs_in_comp(tag_t component, tag_t *object);

/* A component occurrence's data: its part's full path, reference set (empty: the whole
 * part), instance name, and its placement in the root part: origin, orientation (X, Y
 * and Z axes) and the 4x4 matrix with the translation in the last column. */
extern UFUNEXPORT int UF_ASSEM_ask_component_data(tag_t component, char part_name[MAX_FSPEC_BUFSIZE],
                                                  char refset_name[MAX_ENTITY_NAME_BUFSIZE],
                                                  char instance_name[UF_CFI_MAX_FILE_NAME_BUFSIZE],
                                                  double origin[3], double csys_matrix[9],
                                                  double transform[4][4]);
extern UFUNEXPORT int UF_ASSEM_ask_transform_of_occ(tag_t occurrence, double transform[4][4]);

extern UFUNEXPORT tag_t UF_ASSEM_ask_work_part(void);
/* NULL_TAG while the displayed part is the work part. */
extern UFUNEXPORT tag_t UF_ASSEM_ask_work_occurrence(void);
/* Makes a part, or the part of a component occurrence, the work part. */
extern UFUNEXPORT int UF_ASSEM_set_work_part(tag_t part);
extern UFUNEXPORT int UF_ASSEM_set_work_occurrence(tag_t occurrence);

#ifdef __cplusplus
}
#endif

#endif /* UF_ASSEM_INCLUDED */
