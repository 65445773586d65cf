// The user's abort request. While aborting is enabled, SIGINT raises the request instead
// of ending the process; the previous handler comes back when it is disabled.
#include "platform/ui/abort.h"

#include <csignal>

namespace platform::ui {

namespace {

volatile std::sig_atomic_t requested = 0;
bool enabled = false;
int pollsLeft = 0;  // 0: nothing scheduled
void (*previousHandler)(int) = SIG_DFL;

extern "C" void OnInterrupt(int) { requested = 1; }

}  // namespace

void SetAbortEnabled(bool enable) {
  if (enable == enabled) return;
  enabled = enable;
  if (enable) {
    previousHandler = std::signal(SIGINT, OnInterrupt);
    if (previousHandler == SIG_ERR) previousHandler = SIG_DFL;
  } else {
    std::signal(SIGINT, previousHandler);
    requested = 0;
  }
}

bool AbortEnabled() { return enabled; }

bool RequestAbort() {
  if (!enabled) return false;
  requested = 1;
  return true;
}

void RequestAbortAtPoll(int n) { pollsLeft = n > 0 ? n : 0; }

bool PollAbort() {
  if (!enabled) return false;
  if (pollsLeft > 0 && --pollsLeft == 0) requested = 1;
  return requested != 0;
}

void ClearAbort() { requested = 0; }

}  // namespace platform::ui
