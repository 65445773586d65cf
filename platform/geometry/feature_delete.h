// Deleting a modelling object together with what depends on it.
#pragma once
#include "platform/objects/object.h"

namespace platform {

// A feature takes the bodies it made with it; a body takes the features that made only
// it; a group takes its members; anything else is deleted alone (Session::Delete).
void DeleteWithDependants(Object& object);

}  // namespace platform
