// The layout of the four views around the scale rule's gaps.
#include "drawing/view_layout.h"

namespace kzt {

ViewLayout layout_views(const Extents& e, double gapX, double gapY, double s) {
  ViewLayout v;
  v.front = {gapX + e[0] * s / 2, kLayoutTop - gapY - e[2] * s / 2};
  v.below = {v.front.x, kLayoutBottom + gapY + e[1] * s / 2};
  v.right = {2 * gapX + e[0] * s + e[1] * s / 2, v.front.y};
  v.isometric = {v.right.x, v.below.y};
  v.isometricScale = kIsometricFactor * s;
  return v;
}

}  // namespace kzt
