// uf_ui.h: message box, listing window, status line, class-selection dialog.
#include <uf_ui.h>

#include "platform/api/guard.h"
#include "platform/api/host_state.h"
#include "platform/ui/driver.h"
#include "platform/ui/messages.h"

using namespace platform;
using namespace platform::api;

namespace {
bool listingAvailable = true;
bool listingOpen = false;
}  // namespace

namespace platform::api {
void SetListingWindowAvailable(bool available) {
  listingAvailable = available;
  if (!available) listingOpen = false;
}
}  // namespace platform::api

extern "C" {

int uc1601(const char* message, int control) {
  return Guard("uc1601", [&] { ui::ShowMessage(NeedText(message, "message")); });
}

int UF_UI_open_listing_window(void) {
  return Guard("UF_UI_open_listing_window", [&] {
    if (!listingAvailable) throw HostError(HostStatus::NotImplemented, "the listing window cannot be opened");
    listingOpen = true;
  });
}

int UF_UI_write_listing_window(const char* string) {
  return Guard("UF_UI_write_listing_window", [&] {
    if (!listingAvailable) throw HostError(HostStatus::NotImplemented, "there is no listing window");
    listingOpen = true;  // writing opens the window, as on the host
    ui::WriteListing(NeedText(string, "string"));
  });
}

int UF_UI_close_listing_window(void) {
  listingOpen = false;
  return 0;
}

int UF_UI_exit_listing_window(void) { return UF_UI_close_listing_window(); }

int UF_UI_is_listing_window_open(logical* response) {
  return Guard("UF_UI_is_listing_window_open", [&] { *Need(response, "response") = listingOpen; });
}

int UF_UI_set_status(const char* str) {
  return Guard("UF_UI_set_status", [&] { ui::SetStatus(NeedText(str, "str")); });
}

int UF_UI_select_with_class_dialog(const char* message, const char* title, int scope, UF_UI_sel_init_fn_t sel_init_proc,
                                   void* user_data, int* response, int* count, tag_p_t* objects) {
  return Guard("UF_UI_select_with_class_dialog", [&] {
    Need(response, "response");
    Need(count, "count");
    Need(objects, "objects");
    *response = UF_UI_CANCEL;
    *count = 0;
    *objects = nullptr;
    ui::Driver* driver = ui::CurrentDriver();
    if (!driver)
      throw HostError(HostStatus::Aborted, "nothing can answer the selection dialog \"" +
                                               std::string(title ? title : message ? message : "") +
                                               "\": no journal is driving the session");
    const auto picked = driver->PickObjects(title ? title : message ? message : "");
    if (!picked) return;
    *objects = DupArray(*picked);
    *count = static_cast<int>(picked->size());
    *response = UF_UI_OK;
  });
}

}  // extern "C"
