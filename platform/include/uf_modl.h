/* The host's C interface to modelling: body queries, mass properties, boxes, faces and
 * edges, lists of tags, the modelling tolerance and cylinders (as the real host's
 * uf_modl.h). Lengths are millimetres. */
#ifndef UF_MODL_INCLUDED
#define UF_MODL_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* How a new feature combines with the target solid; this host makes new bodies only. */
typedef enum UF_FEATURE_SIGN_e {
  UF_NULLSIGN = 0,  /* a new body */
  UF_POSITIVE = 1,
  UF_NEGATIVE = 2,
  UF_UNSIGNED = 3,
  UF_NO_BOOLEAN = 4,
  UF_TOP_TARGET = 5,
  UF_UNITE = 6,
  UF_SUBTRACT = 7,
  UF_INTERSECT = 8,
  UF_DEFORM_POSITIVE = 9,
  UF_DEFORM_NEGATIVE = 10
} UF_FEATURE_SIGN;

/* UF_MODL_ask_mass_props_3d: `type` and `units` */
#define UF_MODL_MASS_SOLID 1
#define UF_MODL_MASS_THIN_SHELL 2
#define UF_MODL_MASS_POUNDS_INCHES 1
#define UF_MODL_MASS_POUNDS_FEET 2
#define UF_MODL_MASS_GRAMS_CENTIMETERS 3
#define UF_MODL_MASS_KILOGRAMS_METERS 4

/* UF_MODL_SOLID_BODY or UF_MODL_SHEET_BODY (uf_defs.h). */
extern UFUNEXPORT int UF_MODL_ask_body_type(tag_t body_id, int *body_type);

/* Mass properties of solid bodies or body occurrences (type 1), each at its own density
 * (7.8 g/cm^3 unless set otherwise). units: 1 lb & in, 2 lb & ft, 3 g & cm, 4 kg & m.
 * mass_props[47]: [0] area, [1] volume, [2] mass, [3..5] centroid (work part
 * coordinates), [46] density; the other slots are 0. statistics[13] is all 0. */
extern UFUNEXPORT int UF_MODL_ask_mass_props_3d(tag_t *objects, int num_objects, int type, int units,
                                                double density, int accuracy, double *acc_value,
                                                double *mass_props, double *statistics);

/* Axis-aligned box of a body, face, edge, body occurrence or component: minimum x, y, z,
 * then maximum x, y, z, in the work part's coordinates for occurrences. */
extern UFUNEXPORT int UF_MODL_ask_bounding_box(tag_t object, double bounding_box[6]);

/* Faces and edges of a body (of its prototype for a body occurrence), as a new list. */
extern UFUNEXPORT int UF_MODL_ask_body_faces(tag_t body, uf_list_p_t *face_list);
extern UFUNEXPORT int UF_MODL_ask_body_edges(tag_t body, uf_list_p_t *edge_list);
extern UFUNEXPORT int UF_MODL_ask_face_body(tag_t face, tag_t *body);
extern UFUNEXPORT int UF_MODL_ask_edge_body(tag_t edge, tag_t *body);

/* Lists of tags: create empty, append, count, read by index (0-based), remove, free. */
extern UFUNEXPORT int UF_MODL_create_list(uf_list_p_t *list);
extern UFUNEXPORT int UF_MODL_put_list_item(uf_list_p_t list, tag_t obj_id);
extern UFUNEXPORT int UF_MODL_ask_list_count(uf_list_p_t list, int *count);
extern UFUNEXPORT int UF_MODL_ask_list_item(uf_list_p_t list, int list_index, tag_t *object);
extern UFUNEXPORT int UF_MODL_delete_list_item(uf_list_p_t *list, tag_t object);
extern UFUNEXPORT int UF_MODL_delete_list(uf_list_p_t *list);

/* The modelling distance tolerance: 0.0254 mm, the host's default. */
extern UFUNEXPORT int UF_MODL_ask_distance_tolerance(double *tolerance);

/* A cylinder body in the work part: base centre `origin`, axis along `direction` (any
 * length), height and diameter as expression texts ("500.000000"). Only UF_NULLSIGN is
 * supported. Returns the CYLINDER feature; a non-positive or unreadable size fails and
 * creates nothing. */
extern UFUNEXPORT int UF_MODL_create_cyl1(UF_FEATURE_SIGN sign, double origin[3], const char *height,
                                          const char *diam, double direction[3], tag_t *cyl_obj_id);
/* The (first) body a feature made. */
extern UFUNEXPORT int UF_MODL_ask_feat_body(tag_t feature_obj_id, tag_t *body_obj_id);
/* Brings the model up to date; this host has nothing pending. */
extern UFUNEXPORT int UF_MODL_update(void);

#ifdef __cplusplus
}
#endif

#endif /* UF_MODL_INCLUDED */
