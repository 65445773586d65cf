// Messages the user must see.
#include "host/message.h"

#include <uf.h>
#include <uf_ui.h>

#include "host/uf_session.h"

namespace kzt {

void show_message(const std::string& text) {
  UfSession uf;
  uc1601(text.c_str(), 1);
}

bool report_host_failure(const std::string& doing, int code) {
  if (code == 0) return true;
  UfSession uf;
  char reason[UF_UI_MAX_STRING_LEN + 1] = "";
  UF_get_fail_message(code, reason);
  show_message(doing + "\n" + reason);
  return false;
}

}  // namespace kzt
