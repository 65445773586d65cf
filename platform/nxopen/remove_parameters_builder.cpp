// RemoveParametersBuilder: bodies keep their shape and lose the features behind them.
#include <NXOpen/Features_FeatureCollection.hxx>
#include <NXOpen/Features_RemoveParametersBuilder.hxx>

#include "platform/geometry/remove_parameters.h"
#include "platform/nxopen/host_calls.h"

using platform::HostStatus;
using platform::nxopen::Call;

namespace NXOpen {
namespace Features {

RemoveParametersBuilder* FeatureCollection::CreateRemoveParametersBuilder() {
  platform::nxopen::LivePart(part_);
  return new RemoveParametersBuilder(part_);
}

RemoveParametersBuilder::~RemoveParametersBuilder() = default;

bool RemoveParametersBuilder::Validate() { return objects_.Size() > 0; }

NXObject* RemoveParametersBuilder::Commit() {
  platform::Part& part = platform::nxopen::LivePart(part_);
  std::vector<platform::Body*> bodies;
  for (NXObject* object : objects_.GetArray()) {
    // An occurrence stands for its prototype, which must be a body of this part.
    platform::Object& given = platform::nxopen::LiveAs<platform::Object>(object->Tag(), "an object");
    auto* body = dynamic_cast<platform::Body*>(&platform::Session::Get().Prototype(given));
    if (!body)
      platform::nxopen::Throw(HostStatus::WrongObjectType,
                              "remove parameters: object " + std::to_string(object->Tag()) + " is not a body");
    bodies.push_back(body);
  }
  Call([&] { platform::RemoveParameters(part, bodies); });
  return nullptr;
}

}  // namespace Features
}  // namespace NXOpen
