// The host's 216-colour table and the nearest-colour lookup used by file import.
// Index = 1 + 36 (5 - G) + 6 (5 - R) + (5 - B), each of R, G, B a level 0..5 of 0.2.
#include "platform/objects/color_table.h"

#include <algorithm>
#include <cmath>

#include "platform/base/host_error.h"
#include "platform/objects/display.h"

namespace platform {

namespace {

constexpr int kLevels = 6;
constexpr double kStep = 1.0 / (kLevels - 1);

int Level(double component) {
  if (std::isnan(component)) component = 0;
  return static_cast<int>(std::lround(std::clamp(component, 0.0, 1.0) / kStep));
}

}  // namespace

std::array<double, 3> ColorRgb(int index) {
  if (index < 1 || index > kColorCount)
    throw HostError(HostStatus::InvalidArgument,
                    "colour " + std::to_string(index) + " is not in the colour table (1.." +
                        std::to_string(kColorCount) + ")");
  const int i = index - 1;
  const int g = 5 - i / 36, r = 5 - (i / 6) % 6, b = 5 - i % 6;
  return {r * kStep, g * kStep, b * kStep};
}

int NearestColor(double r, double g, double b) {
  // The table is a regular cube, so the nearest entry is the nearest level per axis.
  return 1 + 36 * (5 - Level(g)) + 6 * (5 - Level(r)) + (5 - Level(b));
}

std::string ColorName(int index) {
  switch (index) {
    case 1: return "White";
    case 6: return "Yellow";
    case 31: return "Cyan";
    case 36: return "Green";
    case 181: return "Magenta";
    case 186: return "Red";
    case 211: return "Blue";
    case 216: return "Black";
  }
  ColorRgb(index);  // refuses an index outside the table
  return "Color " + std::to_string(index);
}

}  // namespace platform
