// Faces of the object interface, and a body's faces.
#include <NXOpen/Body.hxx>
#include <NXOpen/Face.hxx>
#include <NXOpen/NXException.hxx>
#include <NXOpen/NXObjectManager.hxx>

#include "platform/assemblies/located_shape.h"
#include "platform/geometry/body.h"
#include "platform/nxopen/host_calls.h"
#include "platform/objects/session.h"

using platform::HostStatus;
using platform::nxopen::Call;

namespace NXOpen {

Face::~Face() = default;

Body* Face::GetBody() {
  auto& ref = Call([&]() -> platform::TopologyRef& {
    return platform::Session::Get().RequireAs<platform::TopologyRef>(Tag(), "a face");
  });
  if (ref.body->SubShape(ref).IsNull())
    throw NXException(static_cast<int>(HostStatus::InvalidTag),
                      "face " + std::to_string(Tag()) + " no longer exists (its body changed)");
  return dynamic_cast<Body*>(NXObjectManager::Get(ref.body->GetTag()));
}

std::vector<Face*> Body::GetFaces() {
  platform::Body& body = Call([&]() -> platform::Body& {
    return platform::BodyOf(platform::Session::Get().Require(Tag()));
  });
  std::vector<Face*> faces;
  for (platform::Tag face : body.FaceTags()) faces.push_back(dynamic_cast<Face*>(NXObjectManager::Get(face)));
  return faces;
}

}  // namespace NXOpen
