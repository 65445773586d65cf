// uf_abort.h: the user's abort request during a long operation.
#include <uf_abort.h>

#include "platform/api/guard.h"
#include "platform/ui/abort.h"

using namespace platform;
using namespace platform::api;

extern "C" {

int UF_ABORT_enable_abort(void) {
  ui::SetAbortEnabled(true);
  return 0;
}

int UF_ABORT_disable_abort(void) {
  ui::SetAbortEnabled(false);
  return 0;
}

int UF_ABORT_clear_abort(void) {
  ui::ClearAbort();
  return 0;
}

int UF_ABORT_ask_flag_status(logical* abort_flag) {
  return Guard("UF_ABORT_ask_flag_status", [&] { *Need(abort_flag, "abort_flag") = ui::PollAbort(); });
}

}  // extern "C"
