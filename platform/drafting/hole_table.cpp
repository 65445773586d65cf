#include "platform/drafting/hole_table.h"

namespace platform::drafting {

Box2 HoleTableGrid::Box() const {
  double width = 0, height = 0;
  for (double w : columnWidths) width += w;
  for (double h : rowHeights) height += h;
  Box2 box;
  box.Add(topLeft);
  box.Add(Point2{topLeft.x + width, topLeft.y - height});
  return box;
}

}  // namespace platform::drafting
