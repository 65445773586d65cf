#include "platform/drafting/view_orientation.h"

#include <cmath>

#include "platform/drafting/model_views.h"
#include "platform/base/host_error.h"

namespace platform::drafting {

namespace {

using Vec = std::array<double, 3>;

Vec Row(const Orientation& o, int i) { return {o[3 * i], o[3 * i + 1], o[3 * i + 2]}; }
Vec Neg(const Vec& v) { return {-v[0], -v[1], -v[2]}; }

Orientation FromRows(const Vec& x, const Vec& y, const Vec& z) {
  return {x[0], x[1], x[2], y[0], y[1], y[2], z[0], z[1], z[2]};
}

Orientation FromModelView(const ModelView& view) {
  const gp_Dir x = view.screenX, y = view.ScreenY(), z = view.towardsViewer;
  return FromRows({x.X(), x.Y(), x.Z()}, {y.X(), y.Y(), y.Z()}, {z.X(), z.Y(), z.Z()});
}

}  // namespace

Orientation OrientationOf(const std::string& modelView) { return FromModelView(StandardModelView(modelView)); }

std::string ModelViewNamed(const Orientation& orientation) {
  for (const ModelView& view : StandardModelViews()) {
    const Orientation standard = FromModelView(view);
    bool same = true;
    for (int i = 0; i < 9 && same; ++i) same = std::abs(standard[i] - orientation[i]) < 1e-9;
    if (same) return std::string(view.name);
  }
  return {};
}

Orientation FirstAngleProjection(const Orientation& parent, int direction) {
  const Vec x = Row(parent, 0), y = Row(parent, 1), z = Row(parent, 2);
  switch (direction) {
    case 1: return FromRows(x, z, Neg(y));   // from below
    case 2: return FromRows(z, y, Neg(x));   // from the left
    case 3: return FromRows(x, Neg(z), y);   // from above
    case 4: return FromRows(Neg(z), y, x);   // from the right
  }
  throw HostError(HostStatus::InvalidArgument,
                  "projection direction " + std::to_string(direction) + " is not one of 1 (above), 2 (right), "
                  "3 (below), 4 (left)");
}

}  // namespace platform::drafting
