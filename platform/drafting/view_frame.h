// Where a sheet's orthographic views draw model points: each view's origin on the sheet,
// its scale and screen axes, and the model axis it looks along.
#pragma once
#include <array>
#include <vector>

#include <gp_Pnt.hxx>
#include <gp_XYZ.hxx>

#include "platform/drafting/dimension_graphics.h"
#include "platform/drafting/drawing.h"
#include "platform/drafting/view_curves.h"

namespace platform::drafting {

struct ViewFrame {
  const DraftingView* view = nullptr;
  Point2 origin;
  double scale = 1;
  gp_XYZ x, y;
  int look = -1;  // the model axis it looks along; -1 for a pictorial view

  Point2 At(const gp_Pnt& p) const { return {origin.x + scale * p.XYZ().Dot(x), origin.y + scale * p.XYZ().Dot(y)}; }
  // 0 when the model axis is drawn along the sheet's X, 1 along Y, -1 neither.
  int ScreenAxisOf(int axis) const;
};

// The sheet's drawn views that look along a model axis: the front view first (looking
// along Y), then the view from above (Z), then the side view (X).
std::vector<ViewFrame> FramesOf(const DrawingSheet& sheet);

// The sheet box of the model box [min, max] as the view draws it.
Box2 BoxIn(const ViewFrame& f, const std::array<double, 3>& min, const std::array<double, 3>& max);

// Strips to try for a dimension along a screen axis of a view: the side away from the
// other views first (the front view's top and left, the top view's bottom, the side
// view's right), then the other.
std::vector<Side> SidesFor(const ViewFrame& f, int screenAxis);

}  // namespace platform::drafting
