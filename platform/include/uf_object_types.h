/* Host object types and subtypes (UF_OBJ_ask_type_and_subtype), the values of the real
 * host. The platform's own constants (platform/objects/host_types.h) must agree; the C
 * interface checks that at compile time. */
#ifndef UF_OBJECT_TYPES_H_INCLUDED
#define UF_OBJECT_TYPES_H_INCLUDED

#define UF_point_type 2
#define UF_line_type 3
#define UF_circle_type 5
#define UF_group_type 15
#define UF_coordinate_system_type 45
#define UF_csys_normal_subtype 0
#define UF_csys_wcs_subtype 1
#define UF_plane_type 46
#define UF_matrix_type 55

#define UF_view_type 60
#define UF_view_modeling_subtype 7

#define UF_drawing_type 62

#define UF_component_type 63
#define UF_component_subtype 0
#define UF_part_occurrence_subtype 1

#define UF_reference_set_type 64

#define UF_solid_type 70
#define UF_solid_body_subtype 0
#define UF_solid_face_subtype 2
#define UF_solid_edge_subtype 3

#define UF_tabular_note_type 165
#define UF_tabular_note_section_subtype 0
#define UF_tabular_note_subtype 1
#define UF_parts_list_subtype 11

#define UF_datum_axis_type 196
#define UF_datum_plane_type 197
#define UF_feature_type 205
#define UF_feature_subtype 0
#define UF_scalar_type 215
#define UF_xform_type 219

#define UF_max_entity_type 255
#define UF_all_subtype (-1)

#endif /* UF_OBJECT_TYPES_H_INCLUDED */
