// The one way the add-on tells the user about a problem: the host's one-button message,
// waiting for OK. GBK text.
#pragma once
#include <string>

namespace kzt {

void show_message(const std::string& text);

// A host call that failed: what was being done, then the host's own text for `code`.
// Returns false when `code` is not 0 (after showing it), true otherwise.
bool report_host_failure(const std::string& doing, int code);

}  // namespace kzt
