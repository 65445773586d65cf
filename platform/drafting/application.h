// The application the session works in. Drafting shows the work part's current sheet
// as the work view; modelling shows its model views.
#pragma once
#include <string>

#include "platform/objects/object.h"
#include "platform/objects/part.h"

namespace platform::drafting {

enum class Application { None = 0, Drafting = 1, Modeling = 40 };

Application CurrentApplication();
// By the host's application name ("UG_APP_DRAFTING", "UG_APP_MODELING");
// HostError(InvalidArgument) naming any other.
void SwitchApplication(const std::string& name);
void SetApplication(Application application);

// The work view of a part: the current sheet's own view while drafting shows a sheet,
// else the part's first model view.
Object& WorkView(Part& part);

}  // namespace platform::drafting
