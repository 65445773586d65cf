#include "platform/drafting/dimension.h"

namespace platform {

namespace {
constexpr DimensionKind kKinds[] = {DimensionKind::Linear, DimensionKind::Running, DimensionKind::Diameter,
                                    DimensionKind::Radius, DimensionKind::Angle};
}

const char* DimensionKindName(DimensionKind kind) {
  switch (kind) {
    case DimensionKind::Linear: return "linear";
    case DimensionKind::Running: return "running";
    case DimensionKind::Diameter: return "diameter";
    case DimensionKind::Radius: return "radius";
    case DimensionKind::Angle: return "angle";
  }
  return "";
}

bool ParseDimensionKind(const std::string& name, DimensionKind& kind) {
  for (DimensionKind k : kKinds)
    if (name == DimensionKindName(k)) {
      kind = k;
      return true;
    }
  return false;
}

}  // namespace platform
