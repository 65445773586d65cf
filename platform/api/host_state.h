// Session-wide state of the C interface that the executable and tests can steer.
#pragma once

namespace platform::api {

// Puts the colour table back as a new session has it.
void ResetColorTable();
// While false, UF_UI_open_listing_window fails (as when the host has no listing window).
void SetListingWindowAvailable(bool available);

}  // namespace platform::api
