// Where the C interface reports geometry: a body in its own part's coordinates, an
// occurrence in the work part's (its root's coordinates, moved into the work
// occurrence's part when a component is the work part).
#pragma once
#include "platform/objects/object.h"
#include "platform/objects/transform.h"

namespace platform::api {

// From the object's own coordinates (its prototype's for an occurrence) to the
// coordinates it is reported in.
Transform ReportPlacement(const Object& object);

}  // namespace platform::api
