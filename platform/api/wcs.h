// The work coordinate system: one per part, absolute until moved, kept for the session
// (not saved). The C interface measures "along the WCS" in the work part's.
#pragma once
#include "platform/geometry/coordinate_system.h"
#include "platform/objects/part.h"

namespace platform::api {

CoordinateSystem& WorkCsysOf(Part& part);

// A new orientation matrix object with these rows (checked), session-only in `part`.
OrientationMatrix& NewMatrix(Part& part, const std::array<double, 9>& rows);

}  // namespace platform::api
