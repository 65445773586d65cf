/* The host's C interface to its user interface (as the real host's uf_ui.h): message
 * box, listing window, status line and the class-selection dialog. Headless, texts go
 * to the console as platform/ui/messages.h says, and selections are answered by the
 * session's driver (a journal). Texts are GBK. */
#ifndef UF_UI_INCLUDED
#define UF_UI_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifndef UF_UI_MAX_STRING_LEN
#define UF_UI_MAX_STRING_LEN 132
#endif
#define UF_UI_MAX_STRING_NCHARS 132
#define UF_UI_MAX_STRING_BUFSIZE NX_BUFSIZE(UF_UI_MAX_STRING_NCHARS)

/* Responses */
#define UF_UI_PICK_RESPONSE 1
#define UF_UI_OK 2
#define UF_UI_CANCEL 3
#define UF_UI_BACK 4
#define UF_UI_APPLY 5
#define UF_UI_HELP 6
#define UF_UI_OBJECT_SELECTED 7
#define UF_UI_OBJECT_SELECTED_BY_NAME 8

/* Selection scope */
#define UF_UI_SEL_SCOPE_NO_CHANGE 0
#define UF_UI_SEL_SCOPE_WORK_PART 1
#define UF_UI_SEL_SCOPE_ANY_IN_ASSEMBLY 3
#define UF_UI_SEL_SCOPE_WORK_PART_AND_OCC 4
#define UF_UI_SEL_SCOPE_WORK_PART_AND_WP_OCC 5

#define UF_UI_SEL_FAILURE 0
#define UF_UI_SEL_SUCCESS 1
#define UF_UI_SEL_REJECT 0
#define UF_UI_SEL_ACCEPT 1

typedef void *UF_UI_selection_p_t;
typedef int (*UF_UI_sel_init_fn_t)(UF_UI_selection_p_t select, void *user_data);

/* The one-button message box: prints "message: <text>" (UTF-8) on standard output. */
extern UFUNEXPORT int uc1601(const char *message, int control);

extern UFUNEXPORT int UF_UI_open_listing_window(void);
extern UFUNEXPORT int UF_UI_write_listing_window(const char *string);
extern UFUNEXPORT int UF_UI_close_listing_window(void);
extern UFUNEXPORT int UF_UI_exit_listing_window(void);
extern UFUNEXPORT int UF_UI_is_listing_window_open(logical *response);
extern UFUNEXPORT int UF_UI_set_status(const char *str);

/* Lets the user pick objects. The session's driver answers: OK with the objects
 * (array to free with UF_free), or UF_UI_CANCEL with none. With no driver the call fails
 * cleanly (non-zero, UF_UI_CANCEL, no objects). The initialisation procedure is not
 * called: this host has no selection masks, the driver decides what is picked. */
extern UFUNEXPORT int UF_UI_select_with_class_dialog(const char *message, const char *title, int scope,
                                                     UF_UI_sel_init_fn_t sel_init_proc, void *user_data,
                                                     int *response, int *count, tag_p_t *objects);

#ifdef __cplusplus
}
#endif

#endif /* UF_UI_INCLUDED */
