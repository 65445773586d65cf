// Component mode in one run: a sheet per sub-assembly and per part, then the
// general-arrangement sheet, with the progress bar.
#pragma once
#include "drawing/drawing_state.h"

namespace kzt {

void 批量创建图纸及视图_assm(DrawingState& state);

}  // namespace kzt
