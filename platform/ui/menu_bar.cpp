#include "platform/ui/menu_bar.h"

#include <algorithm>

#include "platform/base/host_error.h"

namespace platform::ui {
namespace {

std::vector<MenuAction>& Actions() {
  static std::vector<MenuAction> actions;
  return actions;
}

std::vector<Application>& Apps() {
  static std::vector<Application> apps;
  return apps;
}

}  // namespace

void AddActions(std::vector<MenuAction> actions) {
  for (auto& action : actions) {
    auto it = std::find_if(Actions().begin(), Actions().end(),
                           [&](const MenuAction& a) { return a.name == action.name; });
    if (it != Actions().end()) *it = std::move(action);
    else Actions().push_back(std::move(action));
  }
}

int RunAction(const std::string& name) {
  for (const auto& action : Actions())
    if (action.name == name) return action.run();
  throw HostError(HostStatus::NotFound, "no menu action named \"" + name + "\" is registered");
}

bool HasAction(const std::string& name) {
  return std::any_of(Actions().begin(), Actions().end(),
                     [&](const MenuAction& a) { return a.name == name; });
}

std::vector<std::string> ActionNames() {
  std::vector<std::string> names;
  for (const auto& a : Actions()) names.push_back(a.name);
  return names;
}

int RegisterApplication(Application application) {
  application.id = static_cast<int>(Apps().size()) + 1;
  Apps().push_back(std::move(application));
  return Apps().back().id;
}

const std::vector<Application>& Applications() { return Apps(); }

void ClearMenuBar() {
  Actions().clear();
  Apps().clear();
}

}  // namespace platform::ui
