#include "platform/geometry/block_shape.h"

#include <cmath>
#include <string>

#include <BRepPrimAPI_MakeBox.hxx>
#include <gp_Ax2.hxx>

#include "platform/base/host_error.h"

namespace platform {

TopoDS_Shape MakeBlockShape(const std::array<double, 3>& corner, const std::array<double, 3>& xDirection,
                            const std::array<double, 3>& yDirection, double length, double width, double height) {
  const struct { const char* name; double value; } edges[] = {{"length", length}, {"width", width}, {"height", height}};
  for (const auto& edge : edges)
    if (!(edge.value > 0) || !std::isfinite(edge.value))
      throw HostError(HostStatus::InvalidArgument,
                      std::string("the block's ") + edge.name + " " + std::to_string(edge.value) + " must be greater than zero");
  const gp_Vec x(xDirection[0], xDirection[1], xDirection[2]), y(yDirection[0], yDirection[1], yDirection[2]);
  if (x.Magnitude() < 1e-10 || y.Magnitude() < 1e-10 || x.IsParallel(y, 1e-10))
    throw HostError(HostStatus::InvalidArgument, "the block's X and Y directions are zero or parallel");
  const gp_Ax2 frame(gp_Pnt(corner[0], corner[1], corner[2]), gp_Dir(x.Crossed(y)), gp_Dir(x));
  BRepPrimAPI_MakeBox box(frame, length, width, height);
  box.Build();
  if (!box.IsDone()) throw HostError(HostStatus::ModellingFailed, "the modeller could not make the block");
  return box.Shape();
}

}  // namespace platform
