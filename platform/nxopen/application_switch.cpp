// Switching the application (modelling, drafting).
#include <NXOpen/Session.hxx>

#include "platform/drafting/application.h"
#include "platform/nxopen/host_calls.h"

namespace NXOpen {

void Session::ApplicationSwitchImmediate(const NXString& applicationName) {
  platform::nxopen::Call([&] { platform::drafting::SwitchApplication(applicationName.GetText()); });
}

}  // namespace NXOpen
