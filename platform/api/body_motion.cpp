#include "platform/api/body_motion.h"

#include <cmath>
#include <string>

#include <BRepBuilderAPI_Transform.hxx>

#include "platform/base/host_error.h"
#include "platform/objects/part.h"

namespace platform::api {

void MoveBody(Body& body, const gp_Trsf& motion) {
  if (body.Shape().IsNull()) return;
  BRepBuilderAPI_Transform moved(body.Shape(), motion, Standard_True);
  if (!moved.IsDone()) throw HostError(HostStatus::ModellingFailed, "the modeller could not move body " + std::to_string(body.GetTag()));
  body.SetShape(moved.Shape());
  if (body.owner) body.owner->modified = true;
}

gp_Trsf MotionFromMatrix(const double m[16]) {
  // Columns of the 3x3 part must be orthogonal and of one length (the scale).
  double length[3];
  for (int j = 0; j < 3; ++j) length[j] = std::sqrt(m[j] * m[j] + m[4 + j] * m[4 + j] + m[8 + j] * m[8 + j]);
  const double scale = length[0];
  auto fail = [] { throw HostError(HostStatus::InvalidArgument, "the matrix is not a rotation with a uniform scale"); };
  if (!(scale > 1e-9) || std::abs(length[1] - scale) > 1e-9 * scale || std::abs(length[2] - scale) > 1e-9 * scale) fail();
  for (int a = 0; a < 3; ++a)
    for (int b = a + 1; b < 3; ++b)
      if (std::abs(m[a] * m[b] + m[4 + a] * m[4 + b] + m[8 + a] * m[8 + b]) > 1e-9 * scale * scale) fail();
  if (std::abs(m[12]) + std::abs(m[13]) + std::abs(m[14]) > 1e-12 || std::abs(m[15] - 1) > 1e-12) fail();
  gp_Trsf rotation;
  rotation.SetValues(m[0] / scale, m[1] / scale, m[2] / scale, 0, m[4] / scale, m[5] / scale, m[6] / scale, 0,
                     m[8] / scale, m[9] / scale, m[10] / scale, 0);
  gp_Trsf scaling;
  if (std::abs(scale - 1) > 1e-12) scaling.SetScale(gp_Pnt(0, 0, 0), scale);
  gp_Trsf shift;
  shift.SetTranslation(gp_Vec(m[3], m[7], m[11]));
  return shift * rotation * scaling;
}

}  // namespace platform::api
