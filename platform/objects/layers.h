// Layer settings of a part: one work layer (status 1), every other layer selectable (2),
// visible only (3) or invisible (4). A part starts with layer 1 as its work layer and all
// others selectable. New objects go on the work layer.
#pragma once
#include <array>

#include "platform/objects/display.h"

namespace platform {

constexpr int kWorkLayerStatus = 1;
constexpr int kSelectableStatus = 2;
constexpr int kVisibleOnlyStatus = 3;
constexpr int kInvisibleStatus = 4;

struct LayerTable {
  LayerTable() {
    status.fill(kSelectableStatus);
    status[work] = kWorkLayerStatus;
  }
  std::array<int, kMaxLayer + 1> status;  // indexed by layer 1..256
  int work = kMinLayer;
};

}  // namespace platform
