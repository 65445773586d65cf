// The host's colour table: 216 entries numbered 1..216, a 6x6x6 cube of sRGB levels
// 0, 0.2, ... 1, as "White" 1, "Cyan" 31, "Red" 186, "Black" 216.
#pragma once
#include <array>
#include <string>

namespace platform {

// sRGB components 0..1 of a colour index; throws HostError(InvalidArgument) outside 1..216.
std::array<double, 3> ColorRgb(int index);
// The index whose colour is nearest (Euclidean in sRGB) to r, g, b; components are clamped to 0..1.
int NearestColor(double r, double g, double b);
// The host's name of a colour: the eight corners of the cube have names, others "Color N".
std::string ColorName(int index);

}  // namespace platform
