// The host's progress bar, followed for the page: while a long command runs (a drawing
// run takes seconds) the bar's text and position are pushed to the page.
#pragma once
#include <functional>
#include <string>

#include <nlohmann/json.hpp>

namespace fabdoc::app::serve {

// Follows the bar of the display library at `libraryPath` (the one the add-on loads):
// `push` gets {"event": "progress", "text", "done", "span", "shown"} on the host's thread,
// at most every 100 ms while the bar moves, and at once when it appears or goes. Without
// the library nothing is pushed.
void WatchProgress(const std::string& libraryPath, std::function<void(const nlohmann::json&)> push);

}  // namespace fabdoc::app::serve
