/* The host's menu bar (as the real host's uf_mb.h): an add-on binds its callbacks to
 * action names with UF_MB_add_actions and registers an application. */
#ifndef UF_MB_INCLUDED
#define UF_MB_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void *UF_MB_widget_t;
typedef void *UF_MB_data_t;

enum UF_MB_cb_status_e {
  UF_MB_CB_CONTINUE,
  UF_MB_CB_CANCEL,
  UF_MB_CB_OVERRIDE_STANDARD,
  UF_MB_CB_WARNING,
  UF_MB_CB_ERROR
};
typedef enum UF_MB_cb_status_e UF_MB_cb_status_t, *UF_MB_cb_status_p_t;

typedef int UF_MB_button_id_t, *UF_MB_button_id_p_t;
typedef char UF_MB_button_type_t;

#define UF_MB_CASCADE_BUTTON 'a'
#define UF_MB_PUSH_BUTTON 'b'
#define UF_MB_TOGGLE_BUTTON 'c'
#define UF_MB_SEPARATOR 'd'
#define UF_MB_APPLICATION_BUTTON 'e'
#define UF_MB_NULL_BUTTON '\0'

#define UF_MB_MAIN_MENUBAR_NAME "UG_GATEWAY_MAIN_MENUBAR"

/* The button that ran an action. */
struct MB_activated_button_s {
  UF_MB_button_id_t id;
  UF_MB_button_type_t type;
  char *name;
  char *menubar_name;
  int num_ancestors;
  char **ancestors;
  int app_id;
};
typedef struct MB_activated_button_s UF_MB_activated_button_t, *UF_MB_activated_button_p_t;

typedef UF_MB_cb_status_t (*UF_MB_callback_t)(UF_MB_widget_t w, UF_MB_data_t client_data,
                                              UF_MB_activated_button_p_t button);

struct UF_MB_cb_s {
  UF_MB_callback_t cb;
  UF_MB_data_t cb_data;
};
typedef struct UF_MB_cb_s UF_MB_cb_t, *UF_MB_cb_p_t;

/* One row of an action table: name, callback, client data. A row with a NULL name ends it. */
struct UF_MB_action_s {
  const char *action_name;  /* const: tables are written with string literals */
  UF_MB_cb_t action_cb;
};
typedef struct UF_MB_action_s UF_MB_action_t, *UF_MB_action_p_t;

typedef void (*UF_MB_init_proc_t)(void);
typedef void (*UF_MB_enter_proc_t)(void);
typedef void (*UF_MB_exit_proc_t)(void);

struct UF_MB_application_data_s {
  int id;                              /* filled in by UF_MB_register_application */
  const char *name;
  UF_MB_init_proc_t init_proc;
  UF_MB_exit_proc_t exit_proc;
  UF_MB_enter_proc_t enter_proc;
  logical drawings_supported;
  logical design_in_context_supported;
  logical supports_undo;
};
typedef struct UF_MB_application_data_s UF_MB_application_t, *UF_MB_application_p_t;

/* Binds every row's action name (exact, case-sensitive) to its callback; a name bound
 * again takes the new callback. */
extern UGOPENINTEXPORT int UF_MB_add_actions(UF_MB_action_t action_table[]);
/* Registers an application and writes its id (1, 2, ...) into app->id. */
extern UGOPENINTEXPORT int UF_MB_register_application(UF_MB_application_p_t app);

#ifdef __cplusplus
}
#endif

#endif /* UF_MB_INCLUDED */
