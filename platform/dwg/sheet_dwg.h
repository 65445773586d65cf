// A drawing sheet as the DWG writer takes it, from the sheet walk: the frame and table on
// 图框, texts on 文字, each view's visible edges on 轮廓 and hidden edges (where the view
// shows them) on 虚线 (dashed), placed at the view's origin on the sheet.
#pragma once
#include "platform/drafting/sheet_drawing.h"
#include "platform/dwg/drawing.h"

namespace platform::dwg {

inline constexpr const char* kOutlineLayer = "轮廓";
inline constexpr const char* kHiddenLayer = "虚线";
inline constexpr const char* kFrameLayer = "图框";
inline constexpr const char* kTextLayer = "文字";

Drawing SheetToDwg(const drafting::SheetDrawing& sheet);

}  // namespace platform::dwg
