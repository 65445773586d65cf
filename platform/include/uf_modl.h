/* The host's C interface to modelling: body queries, mass properties, boxes, faces and
 * edges, distances, lists of tags, the modelling tolerance and cylinders (as the real
 * host's uf_modl.h). Lengths are millimetres. */
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

/* Faces and edges of a body as a new list; of a body occurrence, their occurrences. */
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

/* Face types (UF_MODL_ask_face_type, and UF_MODL_ask_face_data's `type`). */
#define UF_MODL_CYLINDRICAL_FACE 16
#define UF_MODL_CONICAL_FACE 17
#define UF_MODL_SPHERICAL_FACE 18
#define UF_MODL_TOROIDAL_FACE 19      /* tori and other surfaces of revolution */
#define UF_MODL_SWEPT_FACE 20         /* extruded surfaces */
#define UF_MODL_PLANAR_FACE 22
#define UF_MODL_BLENDING_FACE 23
#define UF_MODL_PARAMETRIC_FACE 24
#define UF_MODL_OFFSET_FACE 25
#define UF_MODL_FOREIGN_FACE 26
#define UF_MODL_CONVERGENT_FACE 27
/* UF_MODL_ask_face_data reports spline surfaces, offset and foreign surfaces with
 * these codes instead. */
#define UF_MODL_BSURFACE_FACE_DATA 43
#define UF_MODL_OFFSET_FACE_DATA 65
#define UF_MODL_FOREIGN_FACE_DATA 66

/* Edge types (UF_MODL_ask_edge_type). */
#define UF_MODL_LINEAR_EDGE 3001
#define UF_MODL_CIRCULAR_EDGE 3002
#define UF_MODL_ELLIPTICAL_EDGE 3003
#define UF_MODL_INTERSECTION_EDGE 3004
#define UF_MODL_SPLINE_EDGE 3005
#define UF_MODL_SP_CURVE_EDGE 3006
#define UF_MODL_FOREIGN_EDGE 3007
#define UF_MODL_CONST_PARAMETER_EDGE 3008
#define UF_MODL_TRIMMED_PARAMETER_EDGE 3009
#define UF_MODL_CONVERGENT_EDGE 3010

/* Faces and edges of a body occurrence are face and edge occurrences: their geometry is
 * reported in the work part's coordinates, like the body occurrence's. */

/* The geometry of a face. type: UF_MODL_*_FACE (or 43/65/66 above); point: a point on
 * the plane, or on the axis of a cylinder, cone or torus, or the centre of a sphere;
 * dir: a planar face's outward normal, the axis of a cylinder, cone or torus (else 0);
 * box: the face's axis-aligned box (min x, y, z, max x, y, z); radius: of a cylinder,
 * sphere, cone (at `point`) or torus (major); rad_data: a cone's half angle (radians)
 * or a torus's minor radius; norm_dir: 1 when the normal follows the surface's, -1 when
 * it is reversed. Any output may be NULL. */
extern UFUNEXPORT int UF_MODL_ask_face_data(tag_t face, int *type, double point[3], double dir[3],
                                            double box[6], double *radius, double *rad_data,
                                            int *norm_dir);
/* UF_MODL_*_FACE of a face. */
extern UFUNEXPORT int UF_MODL_ask_face_type(tag_t face_id, int *type);
/* The edges of a face (outer loop first, each loop in order), as a new list. */
extern UFUNEXPORT int UF_MODL_ask_face_edges(tag_t face, uf_list_p_t *edge_list);
/* The faces that meet at an edge, as a new list. */
extern UFUNEXPORT int UF_MODL_ask_edge_faces(tag_t edge, uf_list_p_t *face_list);
/* The end points of an edge in its own direction: vertex_count 2 for an open edge,
 * 1 for a closed one (both points the same), 0 for an edge without vertices. */
extern UFUNEXPORT int UF_MODL_ask_edge_verts(tag_t edge, double point1[3], double point2[3],
                                             int *vertex_count);
/* UF_MODL_*_EDGE of an edge. */
extern UFUNEXPORT int UF_MODL_ask_edge_type(tag_t edge_id, int *edge_type);

/* The tight box of a body, face or edge (or an occurrence of one) along the axes of
 * `csys`, or of the work coordinate system when csys is NULL_TAG: min_corner in the
 * work part's absolute coordinates, directions[i] the csys's i-th axis and distances[i]
 * the box's extent along it. Computed from the exact geometry, not a tessellation. */
extern UFUNEXPORT int UF_MODL_ask_bounding_box_exact(tag_t object, tag_t csys, double min_corner[3],
                                                     double directions[3][3], double distances[3]);

/* The smallest distance between two bodies, faces or edges (or occurrences of them),
 * with the nearest points in the work part's coordinates. Guess points are accepted
 * and not needed: the global minimum is always found. */
extern UFUNEXPORT int UF_MODL_ask_minimum_dist(tag_t obj1, tag_t obj2, int guess1_given, double guess1[3],
                                               int guess2_given, double guess2[3], double *min_dist,
                                               double pt_on_obj1[3], double pt_on_obj2[3]);

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
/* Brings the model up to date: evaluates the knowledge rules of the work part that are
 * not evaluated yet (uf_kf.h). The first failing rule's message is the error text. */
extern UFUNEXPORT int UF_MODL_update(void);

#ifdef __cplusplus
}
#endif

#endif /* UF_MODL_INCLUDED */
