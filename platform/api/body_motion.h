// Moving bodies of a part rigidly (or uniformly scaled): what an import and the classic
// transformation routine share.
#pragma once
#include <gp_Trsf.hxx>

#include "platform/geometry/body.h"

namespace platform::api {

// Replaces the body's shape by its image under `motion`; the part is marked modified.
void MoveBody(Body& body, const gp_Trsf& motion);

// The motion given by a host 4x4 matrix (rows, translation in the last column).
// HostError(InvalidArgument) when the 3x3 part is not a rotation times a uniform scale.
gp_Trsf MotionFromMatrix(const double matrix[16]);

}  // namespace platform::api
