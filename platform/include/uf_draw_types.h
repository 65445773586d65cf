/* Types of the host's drafting interface (as the real host's uf_draw_types.h): drawing
 * information, view information and projection directions. */
#ifndef UF_DRAW_TYPES_INCLUDED
#define UF_DRAW_TYPES_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Room for a part file name with its folder in a view's information. */
#define UF_DRAW_MAX_LABEL_LEN MAX_FSPEC_BUFSIZE

/* How UF_DRAW_info_t.size is to be read. */
enum UF_DRAW_size_state_e { UF_DRAW_ENGLISH_SIZE = 1, UF_DRAW_METRIC_SIZE, UF_DRAW_CUSTOM_SIZE };
typedef enum UF_DRAW_size_state_e UF_DRAW_size_state_t;

enum UF_DRAW_metric_size_e { UF_DRAW_A0, UF_DRAW_A1, UF_DRAW_A2, UF_DRAW_A3, UF_DRAW_A4 };
typedef enum UF_DRAW_metric_size_e UF_DRAW_metric_size_t;

enum UF_DRAW_english_size_e { UF_DRAW_A, UF_DRAW_B, UF_DRAW_C, UF_DRAW_D, UF_DRAW_E, UF_DRAW_F, UF_DRAW_H, UF_DRAW_J };
typedef enum UF_DRAW_english_size_e UF_DRAW_english_size_t;

union UF_DRAW_size_union_u {
  UF_DRAW_metric_size_t metric_size_code;
  UF_DRAW_english_size_t english_size_code;
  double custom_size[2]; /* [0] height, [1] length, in the drawing's units */
};
typedef union UF_DRAW_size_union_u UF_DRAW_size_union_t;

enum UF_DRAW_projection_angle_e { UF_DRAW_THIRD_ANGLE_PROJECTION = 1, UF_DRAW_FIRST_ANGLE_PROJECTION };
typedef enum UF_DRAW_projection_angle_e UF_DRAW_projection_angle_t;

/* A drawing sheet's size, scale, units and projection angle. */
struct UF_DRAW_info_s {
  UF_DRAW_size_state_t size_state;
  UF_DRAW_size_union_t size;
  double drawing_scale;
  int units; /* UF_PART_METRIC or UF_PART_ENGLISH */
  UF_DRAW_projection_angle_t projection_angle;
};
typedef struct UF_DRAW_info_s UF_DRAW_info_t, *UF_DRAW_info_p_t;

enum UF_DRAW_view_status_e { UF_DRAW_ACTIVE_VIEW = 1, UF_DRAW_REFERENCE_VIEW };
typedef enum UF_DRAW_view_status_e UF_DRAW_view_status_t;

/* How UF_DRAW_import_view places a model view on a sheet. */
struct UF_DRAW_view_info_s {
  UF_DRAW_view_status_t view_status;
  tag_t anchor_point;           /* NULL_TAG: none */
  double view_scale;            /* sheet length over model length, > 0 */
  logical use_ref_pt;
  logical clean_model_view;     /* not used */
  logical inherit_boundary;
  logical transfer_annotation;
  logical inherit_pmi;
  char model_name[UF_DRAW_MAX_LABEL_LEN];
  char arrangement_name[UF_DRAW_MAX_LABEL_LEN];
};
typedef struct UF_DRAW_view_info_s UF_DRAW_view_info_t, *UF_DRAW_view_info_p_t;

/* Where UF_DRAW_add_orthographic_view puts the projected view, relative to its parent
 * (1 above, 2 right, 3 below, 4 left). */
enum UF_DRAW_proj_dir_e {
  UF_DRAW_project_infer = 0,
  UF_DRAW_project_above,
  UF_DRAW_project_right,
  UF_DRAW_project_below,
  UF_DRAW_project_left
};
typedef enum UF_DRAW_proj_dir_e UF_DRAW_proj_dir_t;

#ifdef __cplusplus
}
#endif

#endif /* UF_DRAW_TYPES_INCLUDED */
