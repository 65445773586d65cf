// Objects that live in a part for the session only (transforms, matrices, coordinate
// systems): registered with the session, owned here, never among the part's objects,
// so part files never see them. They go when their part is closed.
#pragma once
#include <memory>

#include "platform/objects/object.h"

namespace platform::api {

// Takes the object (its owner must be set), registers it and returns it; forgets
// those whose part has been closed.
Object& KeepSessionObject(std::unique_ptr<Object> object);

template <class T>
T& Keep(std::unique_ptr<T> object) {
  return static_cast<T&>(KeepSessionObject(std::move(object)));
}

}  // namespace platform::api
