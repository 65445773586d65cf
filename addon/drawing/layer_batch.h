// Layer mode in one run: a band of layers per numbered component, numbers for its new
// drawing parts, a sheet per component and per drawing part made of imported views
// limited to their layers, then the general-arrangement sheet.
#pragma once
#include <string>

#include "drawing/drawing_state.h"

namespace kzt {

// Returns 0. When a component's band cannot be laid out (layers beyond 256, more new
// parts than free numbers, a part number of 15 or more), or nothing is made to drawing,
// it says so and changes nothing.
int 图层出图(DrawingState& state, const std::string& prefix);

}  // namespace kzt
