// A flat blank as a DXF file (AutoCAD 2000) for laser and plasma cutting: the outer
// contour on OUTER, holes on INNER, bend lines on BEND with "angle° R radius" beside
// each, millimetres. Written by dxflib, then moved into place atomically.
#pragma once
#include <string>

#include "platform/geometry/sheet_metal/flat_blank.h"

namespace platform::files {

inline constexpr const char* kBlankOuterLayer = "OUTER";
inline constexpr const char* kBlankHoleLayer = "INNER";
inline constexpr const char* kBlankBendLayer = "BEND";

// The text written beside a bend line, e.g. "90%%d R5" (%%d is DXF's degree sign).
std::string BendLabel(const sheet_metal::BlankBend& bend);

// HostError(FileError) naming `displayPath` when the file cannot be written; the target
// then keeps what it held.
void WriteFlatBlankDxf(const sheet_metal::FlatBlank& blank, const std::string& localPath, const std::string& displayPath);

}  // namespace platform::files
