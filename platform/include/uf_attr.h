/* The host's C interface to string attributes of objects and parts (as the real host's
 * uf_attr.h). This host stores string attributes only: they are written with type
 * UF_ATTR_string and read with UF_ATTR_string or UF_ATTR_any. Titles and values are GBK. */
#ifndef UF_ATTR_INCLUDED
#define UF_ATTR_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

#define UF_ATTR_MAX_STRING_NCHARS 132
#define UF_ATTR_MAX_STRING_BUFSIZE NX_BUFSIZE(UF_ATTR_MAX_STRING_NCHARS)
#define UF_ATTR_MAX_TITLE_NCHARS 50
#define UF_ATTR_MAX_TITLE_BUFSIZE NX_BUFSIZE(UF_ATTR_MAX_TITLE_NCHARS)
#define UF_ATTR_MAX_STRING_LEN (UF_ATTR_MAX_STRING_BUFSIZE - 1)
#define UF_ATTR_MAX_TITLE_LEN (UF_ATTR_MAX_TITLE_BUFSIZE - 1)

/* Attribute types */
#define UF_ATTR_integer 1
#define UF_ATTR_real 2
#define UF_ATTR_time 3
#define UF_ATTR_null 4
#define UF_ATTR_string 5
#define UF_ATTR_any 6
#define UF_ATTR_reference 7
#define UF_ATTR_bool 8

union UF_ATTR_value_u {
  logical boolean;
  int integer;
  double real;
  int time[2];
  char *string;
  char *reference;
};
typedef union UF_ATTR_value_u UF_ATTR_value_u_t, *UF_ATTR_value_u_p_t;

struct UF_ATTR_value_s {
  int type;                /* 0 when a read found no attribute */
  UF_ATTR_value_u_t value;
};
typedef struct UF_ATTR_value_s UF_ATTR_value_t, *UF_ATTR_value_p_t;

/* Creates or changes an attribute on an object or part (value.type UF_ATTR_string). An
 * occurrence gets a value of its own; its prototype is untouched. */
extern UFUNEXPORT int UF_ATTR_assign(tag_t object, const char *title, UF_ATTR_value_t value);

/* Reads an attribute with type UF_ATTR_string or UF_ATTR_any. Found: value->type is
 * UF_ATTR_string and value->value.string holds the text, allocated (free with UF_free)
 * for UF_ATTR_any or when it was NULL on input, else copied into the caller's buffer of
 * UF_ATTR_MAX_STRING_BUFSIZE bytes. Not found: value->type is 0 and the call succeeds.
 * An occurrence without a value of its own reads its prototype's. */
extern UFUNEXPORT int UF_ATTR_read_value(tag_t object, const char *title, int type, UF_ATTR_value_p_t value);

/* *title_type is UF_ATTR_string when the attribute exists, else 0. */
extern UFUNEXPORT int UF_ATTR_find_attribute(tag_t object, int type, const char *title, int *title_type);

/* Removes the object's own attribute(s); an occurrence then shows its prototype's again. */
extern UFUNEXPORT int UF_ATTR_delete(tag_t object, int type, const char *title);
extern UFUNEXPORT int UF_ATTR_delete_all(tag_t object, int type);

extern UFUNEXPORT int UF_ATTR_count_attributes(tag_t object, int type, int *count);
/* Cycles the attributes in assignment order: *indx 0 starts, and is 0 again when done.
 * title needs UF_ATTR_MAX_TITLE_BUFSIZE bytes; the value is read as UF_ATTR_read_value does. */
extern UFUNEXPORT int UF_ATTR_cycle(tag_t object, int *indx, int type, char *title, UF_ATTR_value_p_t value);

#ifdef __cplusplus
}
#endif

#endif /* UF_ATTR_INCLUDED */
