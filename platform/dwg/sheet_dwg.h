// A drawing sheet as the DWG writer takes it, from the sheet walk: the frame and table on
// 图框, texts on 文字, each view's visible edges on 轮廓 and hidden edges (where the view
// shows them) on 虚线 (dashed), placed at the view's origin on the sheet; dimensions on 尺寸.
#pragma once
#include <string>

#include "platform/drafting/sheet_drawing.h"
#include "platform/dwg/drawing.h"

namespace platform::dwg {

inline constexpr const char* kOutlineLayer = "轮廓";
inline constexpr const char* kHiddenLayer = "虚线";
inline constexpr const char* kFrameLayer = "图框";
inline constexpr const char* kTextLayer = "文字";
inline constexpr const char* kDimensionLayer = "尺寸";

// A dimension's text as DWG files write it: ⌀ becomes the control code %%c, which
// every CAD reader draws as the diameter sign (GBK has no ⌀).
std::string DwgDimensionText(const std::string& utf8);

Drawing SheetToDwg(const drafting::SheetDrawing& sheet);

}  // namespace platform::dwg
