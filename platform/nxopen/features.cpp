// Features of the object interface and a part's feature collection.
#include <cstdio>

#include <NXOpen/Features_BodyFeature.hxx>
#include <NXOpen/Features_FeatureCollection.hxx>
#include <NXOpen/Features_SheetMetal_SheetmetalManager.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>

#include "platform/geometry/feature.h"
#include "platform/nxopen/host_calls.h"
#include "platform/objects/session.h"

using platform::nxopen::Call;

namespace NXOpen {
namespace Features {

namespace {

platform::Feature& LiveFeature(tag_t tag) {
  return Call([&]() -> platform::Feature& { return platform::Session::Get().RequireAs<platform::Feature>(tag, "a feature"); });
}

}  // namespace

Feature::~Feature() = default;
NXString Feature::FeatureType() { return NXString(LiveFeature(Tag()).kind); }
NXString Feature::GetFeatureName() { return NXString(LiveFeature(Tag()).kind + "(" + std::to_string(Tag()) + ")"); }

BodyFeature::~BodyFeature() = default;

std::vector<NXOpen::Body*> BodyFeature::GetBodies() {
  platform::Feature& feature = LiveFeature(Tag());
  std::vector<NXOpen::Body*> bodies;
  if (feature.owner)
    for (std::uint32_t pid : feature.bodyPids)
      if (platform::Object* body = feature.owner->FindByPid(pid))
        bodies.push_back(dynamic_cast<NXOpen::Body*>(NXObjectManager::Get(body->GetTag())));
  return bodies;
}

FeatureCollection::FeatureCollection(tag_t part) : part_(part) {}
FeatureCollection::~FeatureCollection() = default;

SheetMetal::SheetmetalManager* FeatureCollection::SheetmetalManager() {
  if (!sheetmetal_) sheetmetal_.reset(new SheetMetal::SheetmetalManager(part_));
  return sheetmetal_.get();
}

std::vector<Feature*> FeatureCollection::GetFeatures() {
  auto& part = Call([&]() -> platform::Part& { return platform::Session::Get().RequireAs<platform::Part>(part_, "a part"); });
  std::vector<Feature*> features;
  for (const auto& o : part.Objects())
    if (dynamic_cast<platform::Feature*>(o.get()))
      features.push_back(dynamic_cast<Feature*>(NXObjectManager::Get(o->GetTag())));
  return features;
}

}  // namespace Features

Features::FeatureCollection* Part::Features() {
  if (!features_) features_.reset(new Features::FeatureCollection(Tag()));
  return features_.get();
}

}  // namespace NXOpen
