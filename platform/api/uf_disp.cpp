// uf_disp.h: highlighting and the session's colour table. Entries 1..216 start as the
// host's standard colours (platform/objects/color_table.h); entry 0, the background, starts
// black. UF_DISP_set_color changes an entry at once; loading the table has nothing left
// to do on a headless host.
#include <uf_disp.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/api/guard.h"
#include "platform/api/host_state.h"
#include "platform/objects/color_table.h"
#include "platform/objects/display.h"

using namespace platform;
using namespace platform::api;

namespace {

struct Entry {
  std::array<double, 3> rgb;
  std::string name;
};

std::array<Entry, kColorCount + 1>& ColorTable() {
  static std::array<Entry, kColorCount + 1> table = [] {
    std::array<Entry, kColorCount + 1> t;
    t[0] = {{0, 0, 0}, "Background"};
    for (int i = 1; i <= kColorCount; ++i) t[i] = {ColorRgb(i), ColorName(i)};
    return t;
  }();
  return table;
}

Entry& At(int number) {
  if (number < 0 || number > kColorCount)
    throw HostError(HostStatus::InvalidArgument, "colour " + std::to_string(number) + " is not in the colour table (0..216)");
  return ColorTable()[number];
}

// HSV and HLS with every value, hue included, in 0..1.
std::array<double, 3> RgbToModel(const std::array<double, 3>& rgb, int model) {
  if (model == UF_DISP_rgb_model) return rgb;
  const double r = rgb[0], g = rgb[1], b = rgb[2];
  const double mx = std::max({r, g, b}), mn = std::min({r, g, b}), delta = mx - mn;
  double h = 0;
  if (delta > 0) {
    if (mx == r) h = std::fmod((g - b) / delta, 6.0);
    else if (mx == g) h = (b - r) / delta + 2;
    else h = (r - g) / delta + 4;
    h /= 6;
    if (h < 0) h += 1;
  }
  if (model == UF_DISP_hsv_model) return {h, mx > 0 ? delta / mx : 0, mx};
  const double l = (mx + mn) / 2;
  const double s = delta == 0 ? 0 : delta / (1 - std::abs(2 * l - 1));
  return {h, l, s};
}

std::array<double, 3> ModelToRgb(const std::array<double, 3>& v, int model) {
  if (model == UF_DISP_rgb_model) return v;
  double c, x, m;
  const double h6 = std::fmod(v[0], 1.0) * 6;
  if (model == UF_DISP_hsv_model) {
    c = v[2] * v[1];
    m = v[2] - c;
  } else {  // h, l, s
    c = (1 - std::abs(2 * v[1] - 1)) * v[2];
    m = v[1] - c / 2;
  }
  x = c * (1 - std::abs(std::fmod(h6, 2.0) - 1));
  std::array<double, 3> rgb;
  switch (static_cast<int>(h6)) {
    case 0: rgb = {c, x, 0}; break;
    case 1: rgb = {x, c, 0}; break;
    case 2: rgb = {0, c, x}; break;
    case 3: rgb = {0, x, c}; break;
    case 4: rgb = {x, 0, c}; break;
    default: rgb = {c, 0, x}; break;
  }
  for (double& component : rgb) component = std::clamp(component + m, 0.0, 1.0);
  return rgb;
}

void CheckModel(int model) {
  if (model != UF_DISP_rgb_model && model != UF_DISP_hsv_model && model != UF_DISP_hls_model)
    throw HostError(HostStatus::InvalidArgument, "colour model " + std::to_string(model) + " is not 0 (RGB), 1 (HSV) or 2 (HLS)");
}

}  // namespace

extern "C" {

int UF_DISP_set_highlight(tag_t object_id, int is_highlighted) {
  return Guard("UF_DISP_set_highlight", [&] {
    // Highlighting belongs to the object, for the session: it is not saved and never
    // makes an occurrence's display its own (which would stop it following its prototype).
    Displayable(object_id).display.highlighted = is_highlighted != 0;
  });
}

int UF_DISP_ask_color(int color_num, int color_model, char** color_name, double clr_values[3]) {
  return Guard("UF_DISP_ask_color", [&] {
    Need(clr_values, "clr_values");
    CheckModel(color_model);
    const Entry& entry = At(color_num);
    const auto values = RgbToModel(entry.rgb, color_model);
    std::copy(values.begin(), values.end(), clr_values);
    if (color_name) *color_name = DupString(entry.name);
  });
}

int UF_DISP_set_color(int color_num, int color_model, const char* color_name, const double clr_values[3]) {
  return Guard("UF_DISP_set_color", [&] {
    Need(clr_values, "clr_values");
    CheckModel(color_model);
    Entry& entry = At(color_num);
    for (int i = 0; i < 3; ++i)
      if (!(clr_values[i] >= 0 && clr_values[i] <= 1))
        throw HostError(HostStatus::InvalidArgument, "colour values must lie in 0..1");
    entry.rgb = ModelToRgb({clr_values[0], clr_values[1], clr_values[2]}, color_model);
    if (color_name) {
      std::string name(color_name);
      if (name.size() > UF_DISP_MAX_NAME_SIZE) name.resize(UF_DISP_MAX_NAME_SIZE);
      entry.name = name;
    }
  });
}

int UF_DISP_load_color_table(void) { return 0; }

int UF_DISP_ask_color_count(int* count) {
  return Guard("UF_DISP_ask_color_count", [&] { *Need(count, "count") = kColorCount + 1; });
}

int UF_DISP_ask_closest_color(int color_model, double clr_values[3], int closest_method, int* color_num) {
  return Guard("UF_DISP_ask_closest_color", [&] {
    Need(color_num, "color_num");
    Need(clr_values, "clr_values");
    CheckModel(color_model);
    const auto rgb = ModelToRgb({clr_values[0], clr_values[1], clr_values[2]}, color_model);
    double best = 1e300;
    for (int i = 1; i <= kColorCount; ++i) {
      const auto& c = ColorTable()[i].rgb;
      const double d = std::pow(c[0] - rgb[0], 2) + std::pow(c[1] - rgb[1], 2) + std::pow(c[2] - rgb[2], 2);
      if (d < best) {
        best = d;
        *color_num = i;
      }
    }
  });
}

int UF_DISP_regenerate_display(void) { return 0; }

}  // extern "C"

namespace platform::api {
// Puts the colour table back as a new session has it (tests).
void ResetColorTable() {
  for (int i = 0; i <= kColorCount; ++i) ColorTable()[i] = i == 0 ? Entry{{0, 0, 0}, "Background"} : Entry{ColorRgb(i), ColorName(i)};
}
}  // namespace platform::api
