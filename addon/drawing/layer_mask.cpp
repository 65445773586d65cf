// Layer masks for layer mode's imported views.
#include "drawing/layer_mask.h"

namespace kzt {

namespace {

void show(LayerMask& mask, int layer) {
  if (layer >= 1 && layer <= 256) mask[layer - 1] = 1;
}

}  // namespace

LayerMask general_arrangement_mask() {
  LayerMask mask{};
  show(mask, 90);
  for (int layer = 100; layer <= 249; ++layer) show(mask, layer);
  return mask;
}

LayerMask band_mask(int first) {
  LayerMask mask{};
  for (int layer = first; layer <= first + 14; ++layer) show(mask, layer);
  return mask;
}

LayerMask single_layer_mask(int layer) {
  LayerMask mask{};
  show(mask, layer);
  return mask;
}

}  // namespace kzt
