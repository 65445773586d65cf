// The scale rule, in the steps of the drawing standard this shop follows.
#include "drawing/scale_rule.h"

#include <algorithm>

namespace kzt {

ScaleFit fit_scale(const SheetFormat& f, const Extents& e) {
  const double across = e[0] + e[1];  // front and right views side by side
  const double down = e[1] + e[2];    // front and lower views one above the other
  if (!(across > 0) || !(down > 0)) {
    // Nothing to fit: the caller's fallback applies; negative spans (no bodies) land here.
    return {0, 0, 0};
  }
  const double fillAcross = f.width / across;
  const double fillDown = f.height / down;
  // The reserves in model millimetres at the filling scales.
  const double reserveAcross = f.reserveAcross / fillAcross;
  const double reserveDown = f.reserveDown / fillDown;
  const double t1 = f.width / (across + reserveAcross);
  const double t2 = f.height / (down + reserveDown);
  ScaleFit fit;
  fit.scale = (t2 > t1 ? t1 : t2) / 1.2;
  fit.gapX = (f.width - across * fit.scale) / 3;
  // Raising a small gap only narrows the space between the two rows of views, which the
  // scale's reserve keeps above 40 mm on every format.
  fit.gapY = std::max(kLeastGapY, (f.height - down * fit.scale - f.titleBand - fit.gapX) / 2);
  return fit;
}

void ExtentsAccumulator::Widen(const double box[6]) {
  for (int i = 0; i < 3; ++i) {
    min_[i] = std::min(min_[i], box[i]);
    max_[i] = std::max(max_[i], box[i + 3]);
  }
}

Extents ExtentsAccumulator::Result() const {
  return {max_[0] - min_[0], max_[1] - min_[1], max_[2] - min_[2]};
}

}  // namespace kzt
