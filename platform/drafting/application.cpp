#include "platform/drafting/application.h"

#include "platform/base/host_error.h"

namespace platform::drafting {

namespace {
Application current = Application::Modeling;  // a session starts in modelling
}

Application CurrentApplication() { return current; }

void SetApplication(Application application) { current = application; }

void SwitchApplication(const std::string& name) {
  if (name == "UG_APP_DRAFTING") current = Application::Drafting;
  else if (name == "UG_APP_MODELING") current = Application::Modeling;
  else throw HostError(HostStatus::InvalidArgument, "no application named \"" + name + "\" (UG_APP_DRAFTING, UG_APP_MODELING)");
}

}  // namespace platform::drafting
