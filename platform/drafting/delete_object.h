// Deleting any object of a part with what depends on it: a sheet takes its views, notes
// and dimensions along, a view its dimensions, a feature its bodies, a body the features
// left without one.
#pragma once
#include "platform/objects/object.h"

namespace platform::drafting {

void DeleteWithDependants(Object& object);

}  // namespace platform::drafting
