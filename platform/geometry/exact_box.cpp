#include "platform/geometry/exact_box.h"

#include <cmath>
#include <string>

#include <TopLoc_Location.hxx>
#include <gp_Ax3.hxx>
#include <gp_Trsf.hxx>

#include "platform/base/host_error.h"
#include "platform/geometry/recent_measurements.h"

namespace platform {

namespace {

// Axes built from measured directions are orthonormal to about 1e-12; anything
// further off than this is a mistake, not rounding.
constexpr double kAxisTolerance = 1e-6;

double Dot(const std::array<double, 3>& a, const std::array<double, 3>& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

}  // namespace

void CheckFrame(const Frame& f) {
  for (int i = 0; i < 3; ++i)
    for (int j = i; j < 3; ++j)
      if (std::abs(Dot(f.axes[i], f.axes[j]) - (i == j ? 1.0 : 0.0)) > kAxisTolerance)
        throw HostError(HostStatus::InvalidArgument, "axes " + std::to_string(i + 1) + " and " +
                                                         std::to_string(j + 1) + " are not orthonormal");
  const auto& x = f.axes[0];
  const auto& y = f.axes[1];
  const std::array<double, 3> z{x[1] * y[2] - x[2] * y[1], x[2] * y[0] - x[0] * y[2], x[0] * y[1] - x[1] * y[0]};
  if (Dot(z, f.axes[2]) < 0) throw HostError(HostStatus::InvalidArgument, "the axes are left-handed (Z is not X x Y)");
}

Box ExactBoxInFrame(const TopoDS_Shape& shape, const Frame& frame) {
  CheckFrame(frame);
  const gp_Ax3 axes(gp_Pnt(frame.origin[0], frame.origin[1], frame.origin[2]),
                    gp_Dir(frame.axes[2][0], frame.axes[2][1], frame.axes[2][2]),
                    gp_Dir(frame.axes[0][0], frame.axes[0][1], frame.axes[0][2]));
  gp_Trsf toFrame;
  toFrame.SetTransformation(axes);  // absolute -> frame coordinates
  // The shape as moved into the frame is the key: same shape, same frame, same box.
  static RecentMeasurements<ShapeKey, Box, ShapeKeyHash> boxes(1000);
  const TopoDS_Shape moved = shape.Moved(TopLoc_Location(toFrame));
  return boxes.Get(ShapeKey(moved), [&] { return ComputeAxisBox(moved); });
}

}  // namespace platform
