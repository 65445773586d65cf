// The sheet-metal features of a part: a conversion that records how a body is bent,
// and the flat solid made from it.
#pragma once
#include "platform/geometry/feature.h"
#include "platform/objects/part.h"

namespace platform::sheet_metal {

constexpr const char* kSheetMetalKind = "SHEET_METAL";
constexpr const char* kFlatSolidKind = "FLAT_SOLID";

// Measures the body of face `baseFace` (a face tag of a body of `part`) and records a
// SHEET_METAL feature naming it; the body is unchanged and the feature owns no body.
Feature& ConvertToSheetMetal(Part& part, Tag baseFace);
// Unfolds the body of face `stationaryFace` (converted before) into a new body of `part`,
// owned by the FLAT_SOLID feature returned.
Feature& MakeFlatSolid(Part& part, Tag stationaryFace);

// The text that names a body in errors: "body 10023 (name)".
std::string BodyLabel(const Object& body);

}  // namespace platform::sheet_metal
