// BlockFeatureBuilder: a block feature made, or redefined in place so that the feature
// and its body keep their tags while the body takes the new shape.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <NXOpen/Features_BlockFeatureBuilder.hxx>
#include <NXOpen/Features_FeatureCollection.hxx>
#include <NXOpen/NXObjectManager.hxx>

#include "platform/geometry/block_shape.h"
#include "platform/geometry/body.h"
#include "platform/geometry/feature.h"
#include "platform/nxopen/host_calls.h"
#include "platform/text/gbk.h"

using platform::HostStatus;
using platform::nxopen::Call;

namespace NXOpen {
namespace Features {

namespace {

double Edge(const NXString& text, const char* what) {
  const std::string value = text.GetText();
  char* end = nullptr;
  const double number = std::strtod(value.c_str(), &end);
  while (end && *end == ' ') ++end;
  if (value.empty() || end == value.c_str() || (end && *end) || !std::isfinite(number))
    platform::nxopen::Throw(HostStatus::InvalidArgument, std::string("block: the ") + what + " \"" +
                                                             platform::text::ToUtf8Lossy(value) + "\" is not a number");
  return number;
}

std::string Triple(double x, double y, double z) {
  char text[96];
  std::snprintf(text, sizeof text, "%.17g,%.17g,%.17g", x, y, z);
  return text;
}

}  // namespace

BlockFeatureBuilder* FeatureCollection::CreateBlockFeatureBuilder(Feature* block) {
  platform::Part& part = platform::nxopen::LivePart(part_);
  if (block) {
    auto& feature = platform::nxopen::LiveAs<platform::Feature>(block->Tag(), "a feature");
    if (feature.kind != "BLOCK" || feature.owner != &part)
      platform::nxopen::Throw(HostStatus::WrongObjectType,
                              "feature " + std::to_string(block->Tag()) + " is not a block of this part");
  }
  return new BlockFeatureBuilder(part_, block ? block->Tag() : 0);
}

BlockFeatureBuilder::~BlockFeatureBuilder() = default;

void BlockFeatureBuilder::SetType(Types type) {
  if (type != TypesOriginAndEdgeLengths)
    platform::nxopen::Throw(HostStatus::NotImplemented, "block: only the type origin and edge lengths is offered");
  type_ = type;
}

void BlockFeatureBuilder::SetOrientation(const Vector3d& xDirection, const Vector3d& yDirection) {
  x_ = xDirection;
  y_ = yDirection;
}

bool BlockFeatureBuilder::Validate() {
  try {
    return Edge(length_, "length") > 0 && Edge(width_, "width") > 0 && Edge(height_, "height") > 0;
  } catch (const std::exception&) {
    return false;
  }
}

NXObject* BlockFeatureBuilder::Commit() {
  platform::Part& part = platform::nxopen::LivePart(part_);
  const double length = Edge(length_, "length"), width = Edge(width_, "width"), height = Edge(height_, "height");
  const TopoDS_Shape shape = Call([&] {
    return platform::MakeBlockShape({origin_.X, origin_.Y, origin_.Z}, {x_.X, x_.Y, x_.Z}, {y_.X, y_.Y, y_.Z}, length,
                                    width, height);
  });
  platform::Feature* feature = nullptr;
  if (feature_) {
    feature = &platform::nxopen::LiveAs<platform::Feature>(feature_, "a feature");
    platform::Body* body = nullptr;
    for (std::uint32_t pid : feature->bodyPids)
      if (!body) body = dynamic_cast<platform::Body*>(part.FindByPid(pid));
    if (!body) platform::nxopen::Throw(HostStatus::NotFound, "block feature " + std::to_string(feature_) + " has lost its body");
    body->SetShape(shape);
  } else {
    auto body = std::make_unique<platform::Body>(shape);
    body->display.layer = part.layers.work;
    platform::Object& added = part.Add(std::move(body));
    auto made = std::make_unique<platform::Feature>();
    made->kind = "BLOCK";
    made->bodyPids.push_back(added.pid);
    made->display.layer = added.display.layer;
    feature = static_cast<platform::Feature*>(&part.Add(std::move(made)));
    feature_ = feature->GetTag();
  }
  feature->parameters = {{"origin", Triple(origin_.X, origin_.Y, origin_.Z)},
                         {"x", Triple(x_.X, x_.Y, x_.Z)},
                         {"y", Triple(y_.X, y_.Y, y_.Z)},
                         {"length", length_.GetText()},
                         {"width", width_.GetText()},
                         {"height", height_.GetText()}};
  part.modified = true;
  committed_ = dynamic_cast<Feature*>(NXObjectManager::Get(feature_));
  return committed_;
}

}  // namespace Features
}  // namespace NXOpen
