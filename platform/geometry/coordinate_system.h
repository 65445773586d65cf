// Coordinate systems and orientation matrices: session-only objects (the work
// coordinate system, temporary systems made for a measurement), never saved.
#pragma once
#include <array>

#include "platform/geometry/exact_box.h"
#include "platform/objects/object.h"

namespace platform {

constexpr int kCoordinateSystemType = 45;
constexpr int kNormalCsysSubtype = 0;
constexpr int kWorkCsysSubtype = 1;
constexpr int kMatrixType = 55;

// An orthonormal orientation: the X, Y, Z axes as rows.
class OrientationMatrix : public Object {
public:
  OrientationMatrix() : Object(kMatrixType, 0) {}
  std::array<double, 9> values{1, 0, 0, 0, 1, 0, 0, 0, 1};
};

class CoordinateSystem : public Object {
public:
  explicit CoordinateSystem(int subtype = kNormalCsysSubtype) : Object(kCoordinateSystemType, subtype) {}
  std::array<double, 3> origin{};
  Tag matrix = kNullTag;  // the OrientationMatrix giving its axes
  std::array<double, 9> axes{1, 0, 0, 0, 1, 0, 0, 0, 1};  // a copy of the matrix's values

  Frame AsFrame() const;
};

// HostError(InvalidArgument) unless the rows are unit length, perpendicular and right-handed.
void CheckOrientation(const std::array<double, 9>& rows);

}  // namespace platform
