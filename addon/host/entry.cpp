// The add-on's whole surface towards the host: start-up, unload and clean-up.
#include <uf.h>
#include <uf_defs.h>
#include <uf_mb.h>

#include "host/action_table.h"
#include "host/application.h"
#include "host/report_status.h"

extern "C" DllExport void ufsta(char* param, int* retcode, int paramLen) {
  UF_initialize();
  report_uf_status("UF_MB_add_actions", UF_MB_add_actions(action_table()));

  UF_MB_application_t app{};
  app.id = 0;
  app.name = const_cast<char*>(kApplicationName);
  app.init_proc = application_init;
  app.exit_proc = application_exit;
  app.enter_proc = application_enter;
  app.drawings_supported = true;
  app.design_in_context_supported = true;
  report_uf_status("UF_MB_register_application", UF_MB_register_application(&app));
  // UF_terminate is not called: the interface stays open for the life of the host.
}

extern "C" DllExport int ufusr_ask_unload() { return UF_UNLOAD_IMMEDIATELY; }

extern "C" DllExport void ufusr_cleanup() {}
