#include "platform/drafting/application.h"

#include "platform/base/host_error.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/views.h"

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

Object& WorkView(Part& part) {
  if (CurrentApplication() == Application::Drafting)
    if (DrawingSheet* sheet = CurrentSheet(part)) return sheet->OwnView();
  return *ModelViewsOf(part).front();
}

}  // namespace platform::drafting
