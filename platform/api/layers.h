// Layer settings of each part for the session: one work layer (status 1), every other
// layer selectable (2), visible only (3) or invisible (4). A part starts with layer 1 as
// its work layer and all others selectable. New objects go on the work layer.
#pragma once
#include <array>

namespace platform {
class Part;
}

namespace platform::api {

constexpr int kWorkLayerStatus = 1;
constexpr int kSelectableStatus = 2;
constexpr int kVisibleOnlyStatus = 3;
constexpr int kInvisibleStatus = 4;

struct LayerTable {
  LayerTable();
  std::array<int, 257> status;  // indexed by layer 1..256
  int work = 1;
};

LayerTable& LayersOf(Part& part);

}  // namespace platform::api
