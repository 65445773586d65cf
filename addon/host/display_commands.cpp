// The display commands over the host's colour table, layers, display library and shell.
#include "host/display_commands.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/ViewCollection.hxx>
#include <shellapi.h>
#include <uf.h>
#include <uf_disp.h>
#include <uf_draw.h>
#include <uf_layer.h>
#include <uf_obj.h>
#include <uf_part.h>
#include <uf_ui.h>
#include <windows.h>

#include "drawing/sheet_tools.h"
#include "host/drawing_mode.h"
#include "host/object_attributes.h"
#include "host/report_status.h"
#include "host/uf_session.h"

namespace {

constexpr int kReservedLayer = 171;
constexpr int kGeneralArrangementLayer = 90;
constexpr int kFirstBandLayer = 100;
constexpr int kBandSize = 15;
constexpr int kTranslucent = 95;

void set_display_library_background() {
  HMODULE library = LoadLibraryA("libdisp.dll");
  if (!library) return;
  using SetBackgroundType = void (*)(int, int);
  // Through void*: the host hands every function out as FARPROC.
  void* found = reinterpret_cast<void*>(GetProcAddress(library, "?DISPLAY_set_background_type@@YAXHH@Z"));
  if (auto set = reinterpret_cast<SetBackgroundType>(found)) set(0, 2);
  FreeLibrary(library);
}

}  // namespace

namespace kzt {

int sheet_layer_number(const char* sheetName) {
  const std::string name = sheetName;
  const std::string head = name.substr(0, name.find('-'));
  return head.empty() || head[0] < '0' || head[0] > '9' ? 0 : std::atoi(head.c_str());
}

void toggled_background(double rgb[3]) {
  const bool black = rgb[0] == 0.0 && rgb[1] == 0.0 && rgb[2] == 0.0;
  for (int i = 0; i < 3; ++i) rgb[i] = black ? 1.0 : 0.0;
}

const char* part_folder(const char* path, char* folder, int size) {
  const char* last = std::strrchr(path, '\\');
  const int length = last ? static_cast<int>(last - path) : 0;
  std::snprintf(folder, size, "%.*s", length, path);
  return folder;
}

}  // namespace kzt

int toggle_background() {
  const kzt::UfSession uf;
  set_display_library_background();
  double rgb[3] = {0, 0, 0};
  UF_DISP_ask_color(0, UF_DISP_rgb_model, nullptr, rgb);
  kzt::toggled_background(rgb);
  UF_DISP_set_color(0, UF_DISP_rgb_model, nullptr, rgb);
  UF_DISP_load_color_table();
  if (NXOpen::Part* work = NXOpen::Session::GetSession()->Parts()->Work()) work->Views()->Regenerate();
  return 0;
}

int show_sheet_layers() {
  const kzt::UfSession uf;
  if (kzt::ask_drawing_mode() == 2) {
    char name[MAX_ENTITY_NAME_BUFSIZE] = "";
    uc6492(name);
    const int n = kzt::sheet_layer_number(name);
    UF_LAYER_set_status(kReservedLayer, UF_LAYER_WORK_LAYER);
    UF_LAYER_set_all_but_work(UF_LAYER_INACTIVE_LAYER);
    if (n == 0) {
      for (int layer = kFirstBandLayer; layer <= 255; ++layer) UF_LAYER_set_status(layer, UF_LAYER_ACTIVE_LAYER);
      UF_LAYER_set_status(kGeneralArrangementLayer, UF_LAYER_ACTIVE_LAYER);
    } else if (n == kFirstBandLayer || (n - kFirstBandLayer) % kBandSize == 0) {
      UF_LAYER_set_status(n, UF_LAYER_WORK_LAYER);
      for (int layer = n; layer < n + kBandSize; ++layer) UF_LAYER_set_status(layer, UF_LAYER_ACTIVE_LAYER);
    } else {
      UF_LAYER_set_status(n, UF_LAYER_WORK_LAYER);
      UF_LAYER_set_status(n, UF_LAYER_ACTIVE_LAYER);
    }
    UF_LAYER_set_status(kReservedLayer, UF_LAYER_ACTIVE_LAYER);
  }
  refresh_current_sheet();
  return 0;
}

int open_part_folder() {
  const kzt::UfSession uf;
  char path[MAX_FSPEC_BUFSIZE] = "";
  UF_PART_ask_part_name(UF_PART_ask_display_part(), path);
  char folder[MAX_FSPEC_BUFSIZE];
  ShellExecuteA(nullptr, "open", kzt::part_folder(path, folder, sizeof folder), nullptr, nullptr, SW_SHOWNORMAL);
  return 0;
}

int toggle_transparency() {
  if (report_uf_error("一键透明", __LINE__, "UF_initialize()", UF_initialize()) != 0) return 0;
  int response = 0, count = 0;
  tag_t* objects = nullptr;
  UF_UI_select_with_class_dialog("kzt", "kzt", 3, nullptr, nullptr, &response, &count, &objects);
  kzt::OccurrenceFlags flags;
  for (int i = 0; i < count; ++i) {
    tag_t body = NULL_TAG;
    kzt::得到装配下的boy(flags, objects[i], body);
    UF_DISP_set_highlight(objects[i], 0);
    // The user looks at the picked occurrence, which may show a display of its own (a
    // colour the attribute writer gave it): it is read, and set after its prototype.
    int translucency = 0;
    UF_OBJ_ask_translucency(objects[i], &translucency);
    const int toggled = translucency != 0 ? 0 : kTranslucent;
    UF_OBJ_set_translucency(body, toggled);
    if (body != objects[i]) UF_OBJ_set_translucency(objects[i], toggled);
  }
  if (objects) UF_free(objects);
  UF_terminate();
  return 0;
}
