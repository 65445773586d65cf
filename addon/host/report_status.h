// The two routines that report a failed host call.
#pragma once

// Prints "<call> failed with error = <code>\n  <message>\n" when code is not 0.
void report_uf_status(const char* call, int code);
// When code is not 0, writes the failure (header, message, call text) to the system log
// and, when it opens, the listing window. Returns code so callers can test through it.
int report_uf_error(const char* file, int line, const char* call, int code);
