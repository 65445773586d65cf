// Reporting failed host calls.
#include "host/report_status.h"

#include <cstdio>
#include <stdexcept>

#include <uf.h>
#include <uf_ui.h>

void report_uf_status(const char* call, int code) {
  if (code == 0) return;
  char message[UF_UI_MAX_STRING_LEN + 1] = "";
  UF_get_fail_message(code, message);
  std::printf("%s failed with error = %d\n  %s\n", call, code, message);
  std::fflush(stdout);
}

int report_uf_error(const char* file, int line, const char* call, int code) {
  if (code == 0) return 0;
  char header[UF_UI_MAX_STRING_LEN + 1];
  std::snprintf(header, sizeof header, "*** ERROR code %d at line %d in %s:\n+++ ", code, line, file);
  char message[UF_UI_MAX_STRING_LEN + 1] = "";
  UF_get_fail_message(code, message);
  const char* pieces[] = {header, message, "\n", call, ";\n"};
  for (const char* piece : pieces) UF_print_syslog(piece, false);
  if (UF_UI_open_listing_window() == 0)
    for (const char* piece : pieces) UF_UI_write_listing_window(piece);
  return code;
}

std::string uf_fail_message(int code) {
  char message[UF_UI_MAX_STRING_LEN + 1] = "";
  UF_get_fail_message(code, message);
  return message;
}

void throw_uf_failure(int code) {
  if (code != 0) throw std::runtime_error(uf_fail_message(code));
}
