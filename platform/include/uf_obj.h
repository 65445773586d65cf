/* The host's C interface to objects: type, name, status, display properties, cycling
 * the objects of a part, deletion (as the real host's uf_obj.h). */
#ifndef UF_OBJ_INCLUDED
#define UF_OBJ_INCLUDED

#include <uf_defs.h>
#include <uf_object_types.h>

#ifdef __cplusplus
extern "C" {
#endif

/* UF_OBJ_ask_status */
#define UF_OBJ_DELETED 0
#define UF_OBJ_TEMPORARY 1
#define UF_OBJ_CONDEMNED 2
#define UF_OBJ_ALIVE 3

/* Blank status */
#define UF_OBJ_NOT_BLANKED 0
#define UF_OBJ_BLANKED 1

/* Line width and font of display properties */
#define UF_OBJ_WIDTH_NORMAL 0
#define UF_OBJ_WIDTH_THICK 1
#define UF_OBJ_WIDTH_THIN 2
#define UF_OBJ_FONT_SOLID 1

#define UF_OBJ_MIN_COLOR 1
#define UF_OBJ_MAX_COLOR 216

struct UF_OBJ_disp_props_s {
  int layer;                 /* 1..256 */
  int color;                 /* 1..216 */
  int blank_status;          /* UF_OBJ_NOT_BLANKED or UF_OBJ_BLANKED */
  int line_width;
  int font;
  logical highlight_status;
};
typedef struct UF_OBJ_disp_props_s UF_OBJ_disp_props_t, *UF_OBJ_disp_props_p_t;

extern UFUNEXPORT int UF_OBJ_ask_type_and_subtype(tag_t object_id, int *type, int *subtype);
/* UF_OBJ_ALIVE for a live object, UF_OBJ_DELETED for any other tag. */
extern UFUNEXPORT int UF_OBJ_ask_status(tag_t object_id);
extern UFUNEXPORT int UF_OBJ_ask_owning_part(tag_t object, tag_t *owning_part);

/* The object's name (an occurrence shows its prototype's until it has its own); fails
 * with an empty name when the object has none. */
extern UFUNEXPORT int UF_OBJ_ask_name(tag_t object, char name[UF_OBJ_NAME_BUFSIZE]);
extern UFUNEXPORT int UF_OBJ_set_name(tag_t object, const char *name);
extern UFUNEXPORT int UF_OBJ_delete_name(tag_t object);

/* Next object of `type` in the part after `object` (NULL_TAG starts, NULL_TAG ends): the
 * part's own objects in creation order, then for an assembly the occurrences below it. */
extern UFUNEXPORT tag_t UF_OBJ_cycle_objs_in_part(tag_t part_tag, int type, tag_t object);
extern UFUNEXPORT tag_t UF_OBJ_cycle_objs_in_part1(tag_t part_tag, int type, tag_t object);
/* Next object of `type` named `name` (ASCII case ignored), in the same order. */
extern UFUNEXPORT int UF_OBJ_cycle_by_name_and_type(tag_t part_tag, const char *name, int type,
                                                    logical cycle_all, tag_t *object);
/* The same in the work part, any type. */
extern UFUNEXPORT int UF_OBJ_cycle_by_name(const char *name, tag_t *object);

/* Deletes an object; a feature takes the bodies it made with it. Later calls on the tag fail. */
extern UFUNEXPORT int UF_OBJ_delete_object(tag_t object_id);
extern UFUNEXPORT int UF_OBJ_delete_array_of_objects(int num_objects, tag_t *objects, int *statuses);

extern UFUNEXPORT int UF_OBJ_ask_display_properties(tag_t object_id, UF_OBJ_disp_props_p_t disp_props);
extern UFUNEXPORT int UF_OBJ_set_layer(tag_t object_id, int layer);
extern UFUNEXPORT int UF_OBJ_set_color(tag_t object_id, int color);
extern UFUNEXPORT int UF_OBJ_set_blank_status(tag_t object_id, int blank_status);
/* Translucency in percent, 0 (opaque) to 100. */
extern UFUNEXPORT int UF_OBJ_ask_translucency(tag_t object_id, int *translucency);
extern UFUNEXPORT int UF_OBJ_set_translucency(tag_t object_id, int translucency);

#ifdef __cplusplus
}
#endif

#endif /* UF_OBJ_INCLUDED */
