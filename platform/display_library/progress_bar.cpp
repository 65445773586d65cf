// The progress bar of the host's display library: drawn as one line on standard error,
// redrawn in place, and only when standard error is a terminal; and told to a watcher
// the host sets (the page of `fabdoc serve` shows it).
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

#include "platform/display_library/decorated_names.h"

namespace {

struct Bar {
  std::string text;
  int lower = 0;
  int upper = 100;
  int position = 0;
  bool shown = false;
};

constexpr int kCueContext = 1;  // the status area: the only context a headless host has
constexpr int kWidth = 30;      // characters between the brackets

std::map<long, Bar>& Bars() {
  static std::map<long, Bar> bars;
  return bars;
}

bool Terminal() { return isatty(STDERR_FILENO) == 1; }

using ProgressWatcher = void (*)(const char* gbkText, int done, int span, bool shown);
ProgressWatcher watcher = nullptr;

void Draw(const Bar& bar) {
  if (!bar.shown) return;
  const int span = bar.upper > bar.lower ? bar.upper - bar.lower : 1;
  int done = bar.position - bar.lower;
  if (done < 0) done = 0;
  if (done > span) done = span;
  if (watcher) watcher(bar.text.c_str(), done, span, true);
  if (!Terminal()) return;
  const int filled = done * kWidth / span;
  std::fprintf(stderr, "\r%s [%s%s] %3d%% (%d/%d)", bar.text.c_str(), std::string(filled, '#').c_str(),
               std::string(kWidth - filled, '-').c_str(), done * 100 / span, done, span);
  std::fflush(stderr);
}

Bar* Find(const long* handle) {
  if (!handle) return nullptr;
  auto it = Bars().find(*handle);
  return it == Bars().end() ? nullptr : &it->second;
}

}  // namespace

int AskProgressCueContext() FABDOC_DECORATED("_MT_ask_progress_cue_context__YAHXZ");
bool CreateProgressBar(int context, bool cancellable, long* handle) FABDOC_DECORATED("_MT_create_progress_bar__YA_NH_NPEAJ_Z");
void ShowProgressBar(long* handle) FABDOC_DECORATED("_MT_show_progress_bar__YAXPEAJ_Z");
void SetProgressText(long* handle, char* text, bool redraw) FABDOC_DECORATED("_MT_set_progress_text__YAXPEAJPEAD_N_Z");
void SetProgressRange(long* handle, int lower, int upper) FABDOC_DECORATED("_MT_set_progress_range__YAXPEAJHH_Z");
void SetProgressPos(long* handle, int position) FABDOC_DECORATED("_MT_set_progress_pos__YAXPEAJH_Z");
void DeleteProgressBar(long* handle) FABDOC_DECORATED("_MT_delete_progress_bar__YAXPEAJ_Z");

// Not a function of the real library: the host's own way to follow the bar.
extern "C" __attribute__((visibility("default"))) void fabdoc_watch_progress(ProgressWatcher watch) { watcher = watch; }

__attribute__((visibility("default"))) int AskProgressCueContext() { return kCueContext; }

__attribute__((visibility("default"))) bool CreateProgressBar(int context, bool cancellable, long* handle) {
  static long next = 1;
  if (!handle || context != kCueContext) return false;
  *handle = next++;
  Bars()[*handle] = Bar{};
  return true;
}

__attribute__((visibility("default"))) void ShowProgressBar(long* handle) {
  if (Bar* bar = Find(handle)) {
    bar->shown = true;
    Draw(*bar);
  }
}

__attribute__((visibility("default"))) void SetProgressText(long* handle, char* text, bool redraw) {
  if (Bar* bar = Find(handle)) {
    bar->text = text ? text : "";
    if (redraw) Draw(*bar);
  }
}

__attribute__((visibility("default"))) void SetProgressRange(long* handle, int lower, int upper) {
  if (Bar* bar = Find(handle)) {
    bar->lower = lower;
    bar->upper = upper;
    bar->position = lower;
    Draw(*bar);
  }
}

__attribute__((visibility("default"))) void SetProgressPos(long* handle, int position) {
  if (Bar* bar = Find(handle)) {
    bar->position = position;
    Draw(*bar);
  }
}

__attribute__((visibility("default"))) void DeleteProgressBar(long* handle) {
  Bar* bar = Find(handle);
  if (!bar) return;
  if (bar->shown && watcher) watcher("", 0, 0, false);
  if (bar->shown && Terminal()) std::fputs("\r\033[K", stderr);  // clear the line it used
  Bars().erase(*handle);
  *handle = 0;
}
