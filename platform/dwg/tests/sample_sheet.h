// Drawings the DWG tests write: an A3 sheet with frame, title block and two views,
// and a large sheet of many entities.
#pragma once
#include <string>

#include "platform/dwg/drawing.h"

namespace dwg_test {

// A3 landscape (420 x 297 mm): frame on 图框, title block lines and Chinese texts on
// 文字, visible edges (lines, arcs, circles, a closed polyline) on 轮廓, hidden
// edges on 虚线.
platform::dwg::Drawing TitleBlockSheet();

// `count` entities cycling through lines, arcs, circles, polylines and texts.
platform::dwg::Drawing ManyEntitiesSheet(int count);

}  // namespace dwg_test
