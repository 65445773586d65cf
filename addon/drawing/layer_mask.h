// Layer-visibility masks of imported views: entry i for layer i + 1, 1 visible.
#pragma once
#include <array>

namespace kzt {

using LayerMask = std::array<int, 256>;

// The general-arrangement sheet: layer 90 and layers 100 to 249.
LayerMask general_arrangement_mask();
// A component's band: the fifteen layers first to first + 14 (those within 1..256).
LayerMask band_mask(int first);
// One layer only (none when it is outside 1..256).
LayerMask single_layer_mask(int layer);

}  // namespace kzt
