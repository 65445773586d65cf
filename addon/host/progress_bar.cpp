// Progress bar through the display library's functions, looked up by their decorated
// names in UGII_BASE_DIR\NXBIN\libdisp.dll afresh for every call.
#include "host/progress_bar.h"

#include <string>

#include <uf.h>
#include <uf_ui.h>

#include "host/host_folder.h"
#include <uf_view.h>

namespace kzt {

namespace {

constexpr const char* kAskContext = "?MT_ask_progress_cue_context@@YAHXZ";
constexpr const char* kCreate = "?MT_create_progress_bar@@YA_NH_NPEAJ@Z";
constexpr const char* kShow = "?MT_show_progress_bar@@YAXPEAJ@Z";
constexpr const char* kSetText = "?MT_set_progress_text@@YAXPEAJPEAD_N@Z";
constexpr const char* kSetRange = "?MT_set_progress_range@@YAXPEAJHH@Z";
constexpr const char* kSetPos = "?MT_set_progress_pos@@YAXPEAJH@Z";
constexpr const char* kDelete = "?MT_delete_progress_bar@@YAXPEAJ@Z";

std::string LibraryPath() { return kzt::host_file("\\NXBIN\\libdisp.dll"); }

// The function, or null; the library is released only when a function was found.
template <class F>
F Find(const std::string& path, const char* name) {
  UF_load_f_p_t function = nullptr;
  UF_load_library(path.c_str(), name, &function);
  return reinterpret_cast<F>(function);
}

}  // namespace

long progress_create() {
  long handle = 0;
  const std::string path = LibraryPath();
  auto askContext = Find<int (*)()>(path, kAskContext);
  auto create = Find<bool (*)(int, bool, long*)>(path, kCreate);
  if (askContext && create) create(askContext(), true, &handle);
  if (askContext) UF_unload_library(path.c_str());
  if (create) UF_unload_library(path.c_str());
  return handle;
}

void progress_show(long handle) {
  const std::string path = LibraryPath();
  if (auto show = Find<void (*)(long*)>(path, kShow)) {
    show(&handle);
    UF_unload_library(path.c_str());
  }
}

void progress_set_range(long handle, int lower, int upper) {
  const std::string path = LibraryPath();
  auto setText = Find<void (*)(long*, char*, bool)>(path, kSetText);
  auto setRange = Find<void (*)(long*, int, int)>(path, kSetRange);
  auto setPos = Find<void (*)(long*, int)>(path, kSetPos);
  if (setText && setRange) {
    static char text[] = "kzt-progress";
    setText(&handle, text, true);
    setRange(&handle, lower, upper);
  }
  for (bool found : {setText != nullptr, setRange != nullptr, setPos != nullptr})
    if (found) UF_unload_library(path.c_str());
}

void progress_set_pos(long handle, int position) {
  const std::string path = LibraryPath();
  if (auto setPos = Find<void (*)(long*, int)>(path, kSetPos)) {
    setPos(&handle, position);
    UF_unload_library(path.c_str());
  }
}

void progress_delete(long handle) {
  const std::string path = LibraryPath();
  if (auto remove = Find<void (*)(long*)>(path, kDelete)) {
    remove(&handle);
    UF_unload_library(path.c_str());
  }
}

void finish_batch_display() {
  const std::string path = LibraryPath();
  tag_t view = NULL_TAG;
  UF_VIEW_ask_work_view(&view);
  UF_VIEW_fit_view(view, 1.0);
  UF_UI_set_status("kzt-1制作");
  UF_unload_library(path.c_str());
}

}  // namespace kzt
