// The work view of a part: the current sheet's own view while the drafting application
// shows a sheet, else the part's first model view.
#pragma once
#include "platform/objects/object.h"
#include "platform/objects/part.h"

namespace platform::drafting {

Object& WorkView(Part& part);

}  // namespace platform::drafting
