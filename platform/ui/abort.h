// The user's abort request during a long operation. Headless there is no abort button:
// tests raise the request, and Ctrl+C raises it while aborting is enabled (instead of
// ending the process).
#pragma once

namespace platform::ui {

// While enabled, requests are taken and SIGINT raises one; disabling drops a pending one.
void SetAbortEnabled(bool enabled);
bool AbortEnabled();
// Raises the request; ignored (false) while aborting is not enabled.
bool RequestAbort();
// Raises the request at the n-th poll (n >= 1) made while enabled, counting from now;
// for tests that abort in the middle of a batch. 0 cancels.
void RequestAbortAtPoll(int n);
// Whether a request is pending (counts as one poll).
bool PollAbort();
void ClearAbort();

}  // namespace platform::ui
