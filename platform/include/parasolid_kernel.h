/* The solid modeller's interface as the host exposes it (as the real
 * parasolid_kernel.h, reduced to what an add-on uses): entity types, mass properties,
 * the faces and edges of a body, memory. Units are the modeller's: metres, kilograms. */
#ifndef PARASOLID_KERNEL_INCLUDED
#define PARASOLID_KERNEL_INCLUDED

#ifdef __cplusplus
extern "C" {
#endif

#ifndef PK_EXPORT
#define PK_EXPORT __attribute__((visibility("default")))
#endif

typedef int PK_ENTITY_t;
typedef PK_ENTITY_t PK_TOPOL_t;
typedef PK_TOPOL_t PK_BODY_t;
typedef PK_TOPOL_t PK_FACE_t;
typedef PK_TOPOL_t PK_EDGE_t;
typedef PK_TOPOL_t PK_VERTEX_t;
typedef int PK_LOGICAL_t;
typedef int PK_ERROR_code_t;

#define PK_ENTITY_null 0
#define PK_LOGICAL_false 0
#define PK_LOGICAL_true 1

/* Error codes. The message of the last failure is fetched with UF_get_fail_message
 * (the host code behind it: 1001 for not_an_entity, 1002 wrong_entity, 1003 bad_value). */
#define PK_ERROR_no_errors 0
#define PK_ERROR_bad_value 1001          /* an option or argument out of range */
#define PK_ERROR_not_an_entity 1002      /* a tag that names no entity */
#define PK_ERROR_wrong_entity 1003       /* an entity of the wrong class, or classes mixed */
#define PK_ERROR_failed 1004             /* the evaluation failed; see UF_get_fail_message */

/* Which mass properties PK_TOPOL_eval_mass_props computes. A field left 0 asks for
 * nothing. */
typedef int PK_mass_t;
#define PK_mass_no_c 14002
#define PK_mass_mass_c 14003
typedef int PK_mass_c_of_g_t;
#define PK_mass_c_of_g_no_c 14005
#define PK_mass_c_of_g_yes_c 14006
typedef int PK_mass_m_of_i_t;
#define PK_mass_m_of_i_yes_c 14007
#define PK_mass_m_of_i_no_c 14008
typedef int PK_mass_periphery_t;
#define PK_mass_periphery_no_c 14009
#define PK_mass_periphery_yes_c 14010

typedef struct PK_TOPOL_eval_mass_props_o_s {
  int o_t_version;                /* 1 or 2 */
  PK_mass_t mass;                 /* PK_mass_mass_c: fill `mass` */
  PK_mass_c_of_g_t c_of_g;        /* PK_mass_c_of_g_yes_c: fill `c_of_g` */
  PK_mass_m_of_i_t inertia;       /* PK_mass_m_of_i_yes_c: fill `m_of_i` */
  PK_mass_periphery_t periphery;  /* PK_mass_periphery_yes_c: fill `periphery` */
  int bound;                      /* unused */
  int single;                     /* unused */
  int n_densities;                /* unused */
  const double *densities;        /* unused */
} PK_TOPOL_eval_mass_props_o_t;

/* Sets the options to version 2 asking for mass and centre of gravity. */
#define PK_TOPOL_eval_mass_props_o_m(options)                                       \
  ((options).o_t_version = 2, (options).mass = PK_mass_mass_c,                      \
   (options).c_of_g = PK_mass_c_of_g_yes_c, (options).inertia = PK_mass_m_of_i_no_c, \
   (options).periphery = PK_mass_periphery_no_c, (options).bound = 0,               \
   (options).single = 0, (options).n_densities = 0, (options).densities = 0)

/* Mass properties of bodies, or of faces, or of edges (one class per call). amount[0]:
 * the volume of bodies (m^3), area of faces (m^2) or length of edges (m). mass[0]: in kg
 * at each body's density; faces and edges have unit density (mass = amount). c_of_g[3]
 * in m; m_of_i[9] about the centre of gravity, kg m^2; periphery[0]: the bodies' surface
 * area or the faces' boundary length (m). `accuracy` must lie in 0..1; figures are exact
 * whatever it is. */
extern PK_EXPORT PK_ERROR_code_t PK_TOPOL_eval_mass_props(int n_topols, const PK_TOPOL_t topols[],
                                                          double accuracy,
                                                          const PK_TOPOL_eval_mass_props_o_t *options,
                                                          double amount[], double mass[], double c_of_g[],
                                                          double m_of_i[], double periphery[]);

/* The faces or edges of a body, in the host's order, in memory to release with
 * PK_MEMORY_free (NULL when there are none). */
extern PK_EXPORT PK_ERROR_code_t PK_BODY_ask_faces(PK_BODY_t body, int *n_faces, PK_FACE_t **faces);
extern PK_EXPORT PK_ERROR_code_t PK_BODY_ask_edges(PK_BODY_t body, int *n_edges, PK_EDGE_t **edges);

extern PK_EXPORT PK_ERROR_code_t PK_MEMORY_free(void *pointer);

#ifdef __cplusplus
}
#endif

#endif /* PARASOLID_KERNEL_INCLUDED */
