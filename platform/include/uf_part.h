/* The host's C interface to parts: new, open, save, close, the displayed part, names
 * and lookups (as the real host's uf_part.h). Part names are full host paths. */
#ifndef UF_PART_INCLUDED
#define UF_PART_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

#define UF_PART_METRIC 1
#define UF_PART_ENGLISH 2

/* UF_PART_close scope and mode */
#define UF_PART_close_scope_this_part 0
#define UF_PART_close_scope_whole_tree 1
#define UF_PART_close_mode_ask 0
#define UF_PART_close_mode_unload 1

/* UF_PART_cleanup options */
#define UF_PART_cleanup_unused_objects 1

struct UF_PART_load_status_s {
  logical failed;     /* true when some part could not be loaded */
  int n_parts;        /* number of entries below */
  char **file_names;  /* the parts that failed */
  int *statuses;      /* their status codes */
};
typedef struct UF_PART_load_status_s UF_PART_load_status_t, *UF_PART_load_status_p_t;

/* A new empty part (millimetres) at part_name, which must not exist on disk; it becomes
 * the displayed and work part. */
extern UFUNEXPORT int UF_PART_new(const char *part_name, int units, tag_t *part);
/* Opens a part file with its components and makes it the displayed part. */
extern UFUNEXPORT int UF_PART_open(const char *part_name, tag_t *part, UF_PART_load_status_p_t error_status);
extern UFUNEXPORT void UF_PART_free_load_status(UF_PART_load_status_p_t status);
/* Saves the work part to its file. */
extern UFUNEXPORT int UF_PART_save(void);
/* Saves the work part under a new name, which it then carries; the open parts that
 * place it refer to the new name (saved with them). The old file stays on disk. */
extern UFUNEXPORT int UF_PART_save_as(const char *new_part_name);
extern UFUNEXPORT int UF_PART_close(tag_t part, int scope, int mode);
extern UFUNEXPORT int UF_PART_close_all(void);
/* Removes what the session holds that nothing refers to; nothing to do on this host. */
extern UFUNEXPORT int UF_PART_cleanup(int cleanup_options);

/* How UF_PART_import brings a part's objects in. */
struct UF_import_part_modes_s {
  int layer_mode;        /* 0: the objects keep their layers; 1: they go to the work layer */
  int group_mode;        /* 0: no group; 1: the imported objects form one group */
  int csys_mode;         /* 0: dest_csys and dest_point are absolute (the only mode here) */
  int plist_mode;        /* 0: no parts-list entries (the only mode here) */
  int expression_mode;   /* 0: expressions are not brought in */
  logical use_search_dirs;
};
typedef struct UF_import_part_modes_s UF_import_part_modes_t, *UF_import_part_modes_p_t;

/* Copies the solid and sheet bodies of a part file into the work part: the file's absolute
 * system is placed at dest_point with its X and Y axes along dest_csys (X then Y, six
 * doubles), scaled by scale. The bodies come without their features. With group_mode 1
 * *group is the new group of the imported bodies (deleting it deletes them), else NULL_TAG.
 * A file that is not a part file is refused and nothing is imported. */
extern UFUNEXPORT int UF_PART_import(const char *part_name, UF_import_part_modes_p_t modes, double dest_csys[6],
                                     double dest_point[3], double scale, tag_t *group);

extern UFUNEXPORT tag_t UF_PART_ask_display_part(void);
extern UFUNEXPORT int UF_PART_set_display_part(tag_t part);
/* The part's full file name (host path). */
extern UFUNEXPORT int UF_PART_ask_part_name(tag_t part, char part_fspec[MAX_FSPEC_BUFSIZE]);
/* The open part with this full path or, failing that, this file name; NULL_TAG if none. */
extern UFUNEXPORT tag_t UF_PART_ask_part_tag(const char *part_name);
/* 1 when a part of that name is open, else 0. */
extern UFUNEXPORT int UF_PART_is_loaded(const char *part_name);
extern UFUNEXPORT int UF_PART_ask_units(tag_t part, int *part_units);
extern UFUNEXPORT int UF_PART_ask_num_parts(void);
extern UFUNEXPORT tag_t UF_PART_ask_nth_part(int part_index);

#ifdef __cplusplus
}
#endif

#endif /* UF_PART_INCLUDED */
