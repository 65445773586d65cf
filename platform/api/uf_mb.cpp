// uf_mb.h: the add-on's action table and application, registered with the menu bar.
#include <uf_mb.h>

#include "platform/api/guard.h"
#include "platform/ui/menu_bar.h"

using namespace platform;
using namespace platform::api;

extern "C" {

int UF_MB_add_actions(UF_MB_action_t action_table[]) {
  return Guard("UF_MB_add_actions", [&] {
    Need(action_table, "action_table");
    std::vector<ui::MenuAction> actions;
    for (UF_MB_action_t* row = action_table; row->action_name; ++row) {
      const std::string name = row->action_name;
      if (!row->action_cb.cb)
        throw HostError(HostStatus::InvalidArgument, "menu action \"" + name + "\" has no callback");
      const UF_MB_callback_t callback = row->action_cb.cb;
      const UF_MB_data_t data = row->action_cb.cb_data;
      actions.push_back({name, [name, callback, data] {
                           std::string buttonName = name;
                           std::string menubar = UF_MB_MAIN_MENUBAR_NAME;
                           UF_MB_activated_button_t button{0,       UF_MB_PUSH_BUTTON, buttonName.data(),
                                                           menubar.data(), 0,      nullptr, 0};
                           return static_cast<int>(callback(nullptr, data, &button));
                         }});
    }
    ui::AddActions(std::move(actions));
  });
}

int UF_MB_register_application(UF_MB_application_p_t app) {
  return Guard("UF_MB_register_application", [&] {
    Need(app, "app");
    ui::Application application;
    application.name = NeedText(app->name, "app->name");
    if (app->init_proc) application.init = app->init_proc;
    if (app->exit_proc) application.exit = app->exit_proc;
    if (app->enter_proc) application.enter = app->enter_proc;
    app->id = ui::RegisterApplication(std::move(application));
    // The host initialises an application when it is registered; headless, it is never
    // entered or left, so the other two callbacks are not called.
    if (app->init_proc) app->init_proc();
  });
}

}  // extern "C"
