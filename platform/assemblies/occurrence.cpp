#include "platform/assemblies/occurrence.h"

#include "platform/objects/part.h"
#include "platform/objects/session.h"

namespace platform {

Object* ComponentOccurrence::Prototype() const { return part; }

Object* BodyOccurrence::Prototype() const { return &Session::Get().Require(prototype); }

Object* BodyOccurrence::InheritsFrom() const { return Session::Get().Find(prototype); }

}  // namespace platform
