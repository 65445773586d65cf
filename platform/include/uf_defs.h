/* The host's C interface: general typedefs, limits and macros shared by every UF_*
 * module (as the real host's uf_defs.h). Inputs are GBK text; buffer sizes leave room for
 * multi-byte characters (NX_BUFSIZE). */
#ifndef UF_DEFS_INCLUDED
#define UF_DEFS_INCLUDED

#ifdef __cplusplus
extern "C" {
#endif

/* Every host function is exported from libfabdoc_platform.so. */
#ifndef UFUNEXPORT
#define UFUNEXPORT __attribute__((visibility("default")))
#endif
#ifndef UGOPENINTEXPORT
#define UGOPENINTEXPORT UFUNEXPORT
#endif

/* Buffer size for a text of `num` characters of up to three bytes each, plus '\0'. */
#ifndef NX_BUFSIZE
#define NX_BUFSIZE(num) (3 * (num) + 1)
#endif

#define MAX_FSPEC_NCHARS 1156
#define MAX_FSPEC_BUFSIZE NX_BUFSIZE(MAX_FSPEC_NCHARS)
#define MAX_FSPEC_SIZE (MAX_FSPEC_BUFSIZE - 1)

#define MAX_LINE_NCHARS 132
#define MAX_LINE_BUFSIZE NX_BUFSIZE(MAX_LINE_NCHARS)
#define MAX_LINE_SIZE (MAX_LINE_BUFSIZE - 1)

#define UF_OBJ_NAME_NCHARS 30
#define UF_OBJ_NAME_BUFSIZE NX_BUFSIZE(UF_OBJ_NAME_NCHARS)
#define UF_OBJ_NAME_LEN (UF_OBJ_NAME_BUFSIZE - 1)
#define MAX_ENTITY_NAME_NCHARS UF_OBJ_NAME_NCHARS
#define MAX_ENTITY_NAME_BUFSIZE UF_OBJ_NAME_BUFSIZE
#define MAX_ENTITY_NAME_SIZE (UF_OBJ_NAME_BUFSIZE - 1)

#ifndef TAG_T_DEFINED
#define TAG_T_DEFINED
typedef unsigned int tag_t;
typedef tag_t *tag_p_t;
#endif

/* The host's singly linked list of tags (UF_MODL_create_list and friends). */
#ifndef UF_LIST_T_DEFINED
#define UF_LIST_T_DEFINED
typedef struct uf_list_s *uf_list_p_t;
struct uf_list_s {
  tag_t eid;               /* object */
  struct uf_list_s *next;  /* next item, or NULL */
};
typedef struct uf_list_s uf_list_t;
#endif

#ifndef NULL_TAG
#define NULL_TAG ((tag_t)0)
#endif
#ifndef null_tag
#define null_tag ((tag_t)0)
#endif

#ifndef PI
#define PI 3.14159265358979324
#endif
#ifndef TWOPI
#define TWOPI 6.28318530717958648
#endif
#ifndef RADEG
#define RADEG 57.29577951308235
#define DEGRA .01745329251994328
#endif

#ifndef LOGICAL_DEFINED
#define LOGICAL_DEFINED
#if defined(__cplusplus)
typedef bool logical;
#else
typedef unsigned char logical;
#endif
#endif

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#ifndef ERROR_OK
#define ERROR_OK 0
#endif

#ifndef DllExport
#define DllExport __attribute__((visibility("default")))
#endif

/* Body types (UF_MODL_ask_body_type). */
#define UF_MODL_SOLID_BODY 5601
#define UF_MODL_SHEET_BODY 5602

#ifdef __cplusplus
}
#endif

#endif /* UF_DEFS_INCLUDED */
