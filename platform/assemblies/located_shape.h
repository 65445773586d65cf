// The geometry of a body as the part asking for it sees it: a body's own shape, or
// for a body occurrence its prototype's shape placed by the occurrence's transform.
#pragma once
#include <TopoDS_Shape.hxx>
#include <gp_Trsf.hxx>

#include "platform/geometry/body.h"
#include "platform/objects/object.h"
#include "platform/objects/transform.h"

namespace platform {

gp_Trsf ToTrsf(const Transform& transform);
Transform FromTrsf(const gp_Trsf& trsf);

// The prototype body of a body or body occurrence; HostError(WrongObjectType) otherwise.
Body& BodyOf(Object& object);
// Identity for a body; the component's placement in its root part for an occurrence.
Transform PlacementOf(const Object& object);
TopoDS_Shape LocatedShape(Object& object);
MassProperties LocatedMass(Object& object);   // the prototype's cached figures, centroid placed
Box LocatedAxisBox(Object& object);

}  // namespace platform
