#include "platform/assemblies/located_shape.h"

#include <TopLoc_Location.hxx>

#include "platform/assemblies/occurrence.h"
#include "platform/assemblies/occurrences.h"
#include "platform/base/host_error.h"
#include "platform/objects/session.h"

namespace platform {

gp_Trsf ToTrsf(const Transform& t) {
  const auto& r = t.rotation;
  gp_Trsf trsf;
  trsf.SetValues(r[0], r[1], r[2], t.translation[0],
                 r[3], r[4], r[5], t.translation[1],
                 r[6], r[7], r[8], t.translation[2]);
  return trsf;
}

Transform FromTrsf(const gp_Trsf& trsf) {
  Transform t;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) t.rotation[i * 3 + j] = trsf.Value(i + 1, j + 1);
    t.translation[i] = trsf.Value(i + 1, 4);
  }
  return t;
}

Body& BodyOf(Object& object) {
  Object& proto = Session::Get().Prototype(object);
  if (auto* body = dynamic_cast<Body*>(&proto)) return *body;
  throw HostError(HostStatus::WrongObjectType,
                  "object " + std::to_string(object.GetTag()) + " is not a body");
}

Transform PlacementOf(const Object& object) {
  if (auto* bo = dynamic_cast<const BodyOccurrence*>(&object)) {
    auto* component = Session::Get().FindAs<ComponentOccurrence>(bo->component);
    if (component) return Occurrences::Get().AbsoluteTransform(*component);
  }
  return Transform::Identity();
}

TopoDS_Shape LocatedShape(Object& object) {
  Body& body = BodyOf(object);
  const Transform placement = PlacementOf(object);
  if (placement.IsIdentity()) return body.Shape();
  return body.Shape().Moved(TopLoc_Location(ToTrsf(placement)));
}

MassProperties LocatedMass(Object& object) {
  MassProperties mass = BodyOf(object).Mass();
  mass.centroid = PlacementOf(object).Apply(mass.centroid);
  return mass;
}

Box LocatedAxisBox(Object& object) {
  const Transform placement = PlacementOf(object);
  if (placement.IsIdentity()) return BodyOf(object).AxisBox();
  return ComputeAxisBox(LocatedShape(object));
}

}  // namespace platform
