// The host's menu bar: actions registered by add-ons, run by name (a journal's
// `action NAME` line), and registered applications.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace platform::ui {

struct MenuAction {
  std::string name;                 // exact, case-sensitive
  std::function<int()> run;         // calls the add-on's callback
};

struct Application {
  int id = 0;
  std::string name;
  std::function<void()> init, exit, enter;
};

// Adds actions; a name registered again replaces the earlier callback.
void AddActions(std::vector<MenuAction> actions);
// Runs a registered action; throws HostError(NotFound) naming an unknown action.
int RunAction(const std::string& name);
bool HasAction(const std::string& name);
std::vector<std::string> ActionNames();   // in registration order
// Registers an application and returns its id (ids start at 1).
int RegisterApplication(Application application);
const std::vector<Application>& Applications();
void ClearMenuBar();

}  // namespace platform::ui
