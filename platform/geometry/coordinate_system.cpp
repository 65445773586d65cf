#include "platform/geometry/coordinate_system.h"

namespace platform {

Frame CoordinateSystem::AsFrame() const {
  Frame f;
  f.origin = origin;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) f.axes[i][j] = axes[i * 3 + j];
  return f;
}

void CheckOrientation(const std::array<double, 9>& rows) {
  Frame f;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) f.axes[i][j] = rows[i * 3 + j];
  CheckFrame(f);
}

}  // namespace platform
