#pragma once
// What OCCT's binary reader lets through but its algorithms then trust: every sub-shape
// present, with a valid orientation and a type that may sit inside its parent, and the
// shapes as the algorithms meet them (orientations and placements composed) sound too.
#include <string>

#include <TopoDS_Shape.hxx>

namespace platform::files {

// Empty when the shape is well formed, else what is wrong.
std::string TopologyFault(const TopoDS_Shape& shape);

}  // namespace platform::files
