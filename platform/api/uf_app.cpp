// uf.h: the current application.
#include <uf.h>

#include "platform/api/guard.h"
#include "platform/drafting/application.h"

using namespace platform;
using namespace platform::api;

static_assert(UF_APP_DRAFTING == static_cast<int>(drafting::Application::Drafting) &&
              UF_APP_MODELING == static_cast<int>(drafting::Application::Modeling));

extern "C" int UF_ask_application_module(int* module_id) {
  return Guard("UF_ask_application_module", [&] {
    *Need(module_id, "module_id") = static_cast<int>(drafting::CurrentApplication());
  });
}
