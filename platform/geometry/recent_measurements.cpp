#include "platform/geometry/recent_measurements.h"

#include <climits>
#include <functional>

#include <TopLoc_Location.hxx>
#include <gp_Trsf.hxx>

namespace platform {

ShapeKey::ShapeKey(const TopoDS_Shape& shape) : unplaced(shape.Located(TopLoc_Location())) {
  const gp_Trsf trsf = shape.Location().Transformation();
  for (int row = 1; row <= 3; ++row)
    for (int column = 1; column <= 4; ++column) place[(row - 1) * 4 + column - 1] = trsf.Value(row, column);
}

bool ShapeKey::operator==(const ShapeKey& other) const {
  return unplaced.IsEqual(other.unplaced) && place == other.place;
}

std::size_t ShapeKeyHash::operator()(const ShapeKey& key) const {
  std::size_t hash = static_cast<std::size_t>(key.unplaced.HashCode(INT_MAX));
  for (double value : key.place) hash = hash * 31 + std::hash<double>()(value);
  return hash;
}

}  // namespace platform
