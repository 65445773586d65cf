/* The host's C interface: initialisation, memory, failure messages, the system log,
 * environment variables and run-time library loading (as the real host's uf.h). */
#ifndef UF_INCLUDED
#define UF_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Length of a failure message without its terminator; UF_get_fail_message writes at most
 * UF_UI_MAX_STRING_LEN + 1 bytes. */
#ifndef UF_UI_MAX_STRING_LEN
#define UF_UI_MAX_STRING_LEN 132
#endif

/* Values ufusr_ask_unload returns. */
#define UF_UNLOAD_IMMEDIATELY 1
#define UF_UNLOAD_SEL_DIALOG 2
#define UF_UNLOAD_UG_TERMINATE 3

/* Application modules (UF_ask_application_module). */
#define UF_APP_NONE 0
#define UF_APP_DRAFTING 1
#define UF_APP_MODELING 40

/* A function found by UF_load_library; cast it to its real type before calling. */
typedef void (*UF_load_f_p_t)(void);

/* Opens the C interface; calls nest, each UF_initialize paired with a UF_terminate. */
extern UFUNEXPORT int UF_initialize(void);
extern UFUNEXPORT int UF_terminate(void);
extern UFUNEXPORT logical UF_is_initialized(void);

/* Frees memory the host handed out (strings, arrays, load-status lists). */
extern UFUNEXPORT void UF_free(void *data);
extern UFUNEXPORT void UF_free_string_array(int n_strings, char **string_array);

/* The text for a status code: the message of the last failure with that code, which
 * names the object or file, else the code's generic text. GBK, at most 132 bytes. */
extern UFUNEXPORT int UF_get_fail_message(int fail_code, char fail_message[UF_UI_MAX_STRING_LEN + 1]);

/* Appends text to the host's system log; with date_flag a time stamp goes first. */
extern UFUNEXPORT int UF_print_syslog(const char *message, logical date_flag);

/* The value of a host environment variable (pointer into host storage, do not free), or
 * NULL when it is not set. UGII_BASE_DIR is the host installation folder as a host path. */
extern UFUNEXPORT int UF_translate_variable(const char *variable, char **translation);

/* The current application: UF_APP_MODELING until a drafting switch
 * (Session::ApplicationSwitchImmediate("UG_APP_DRAFTING")), then UF_APP_DRAFTING. */
extern UFUNEXPORT int UF_ask_application_module(int *module_id);

/* Loads a library (host path, or a plain file name looked for in UGII_BASE_DIR\NXBIN and
 * the start-up folder) and finds a function in it; *function_ptr is NULL on failure. */
extern UFUNEXPORT int UF_load_library(const char *library_name, const char *symbol_name,
                                      UF_load_f_p_t *function_ptr);
/* Releases a library loaded by UF_load_library. */
extern UFUNEXPORT int UF_unload_library(const char *library_name);

#ifdef __cplusplus
}
#endif

#endif /* UF_INCLUDED */
