#include "app/serve/progress_watch.h"

#include <dlfcn.h>

#include <chrono>

#include "platform/text/gbk.h"

namespace fabdoc::app::serve {
namespace {

using Clock = std::chrono::steady_clock;
using ProgressWatcher = void (*)(const char* gbkText, int done, int span, bool shown);

constexpr auto kEvery = std::chrono::milliseconds(100);

std::function<void(const nlohmann::json&)>& Push() {
  static std::function<void(const nlohmann::json&)> push;
  return push;
}

// Called by the library on the host's thread.
void Watch(const char* gbkText, int done, int span, bool shown) {
  static Clock::time_point last;
  static bool wasShown = false;
  const auto now = Clock::now();
  if (shown && wasShown && done < span && now - last < kEvery) return;
  last = now;
  wasShown = shown;
  if (Push())
    Push()({{"event", "progress"}, {"text", platform::text::ToUtf8Lossy(gbkText ? gbkText : "")}, {"done", done},
            {"span", span}, {"shown", shown}});
}

}  // namespace

void WatchProgress(const std::string& libraryPath, std::function<void(const nlohmann::json&)> push) {
  // Kept loaded: the add-on's own loads of it then find this one, with the watcher set.
  void* library = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!library) return;
  auto watch = reinterpret_cast<void (*)(ProgressWatcher)>(dlsym(library, "fabdoc_watch_progress"));
  if (!watch) return;
  Push() = std::move(push);
  watch(Watch);
}

}  // namespace fabdoc::app::serve
