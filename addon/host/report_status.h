// The routines that report a failed host call.
#pragma once
#include <string>

// Prints "<call> failed with error = <code>\n  <message>\n" when code is not 0.
void report_uf_status(const char* call, int code);
// When code is not 0, writes the failure (header, message, call text) to the system log
// and, when it opens, the listing window. Returns code so callers can test through it.
int report_uf_error(const char* file, int line, const char* call, int code);
// The host's message for the failure of the last call, which returned code.
std::string uf_fail_message(int code);
// When code is not 0, throws std::runtime_error holding the host's message for it.
void throw_uf_failure(int code);
