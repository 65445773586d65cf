#include "platform/drafting/view_frame.h"

#include <algorithm>
#include <cmath>

#include "platform/drafting/sheet_drawing.h"
#include "platform/drafting/sheets.h"

namespace platform::drafting {

int ViewFrame::ScreenAxisOf(int axis) const {
  if (std::abs(std::abs(x.Coord(axis + 1)) - 1) < 1e-9) return 0;
  if (std::abs(std::abs(y.Coord(axis + 1)) - 1) < 1e-9) return 1;
  return -1;
}

std::vector<ViewFrame> FramesOf(const DrawingSheet& sheet) {
  std::vector<ViewFrame> frames;
  for (const DraftingView* view : ViewsOf(sheet)) {
    if (!view->content) continue;
    ViewFrame f;
    f.view = view;
    f.origin = OriginForCentre(*view->content, {view->center[0], view->center[1]});
    f.scale = view->scale;
    const auto& o = view->orientation;
    f.x = gp_XYZ(o[0], o[1], o[2]);
    f.y = gp_XYZ(o[3], o[4], o[5]);
    const gp_XYZ z(o[6], o[7], o[8]);
    for (int axis = 0; axis < 3; ++axis)
      if (std::abs(std::abs(z.Coord(axis + 1)) - 1) < 1e-9) f.look = axis;
    if (f.look >= 0) frames.push_back(f);
  }
  std::stable_sort(frames.begin(), frames.end(), [](const ViewFrame& a, const ViewFrame& b) {
    constexpr int kOrder[] = {2, 0, 1};
    return kOrder[a.look] < kOrder[b.look];
  });
  return frames;
}

Box2 BoxIn(const ViewFrame& f, const std::array<double, 3>& min, const std::array<double, 3>& max) {
  Box2 box;
  for (int i = 0; i < 8; ++i)
    box.Add(f.At(gp_Pnt(i & 1 ? max[0] : min[0], i & 2 ? max[1] : min[1], i & 4 ? max[2] : min[2])));
  return box;
}

std::vector<Side> SidesFor(const ViewFrame& f, int screenAxis) {
  if (screenAxis == 0) return f.look == 2 ? std::vector<Side>{Side::Bottom, Side::Top} : std::vector<Side>{Side::Top, Side::Bottom};
  return f.look == 0 ? std::vector<Side>{Side::Right, Side::Left} : std::vector<Side>{Side::Left, Side::Right};
}

}  // namespace platform::drafting
