// The sheet-metal builders of the object interface: they collect their inputs and, at
// Commit, hand them to the platform's sheet-metal features.
#include <NXOpen/Builder.hxx>
#include <NXOpen/Features_SheetMetal_SheetmetalManager.hxx>
#include <NXOpen/NXException.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/SelectFace.hxx>

#include "platform/geometry/body.h"
#include "platform/geometry/sheet_metal/sheet_metal_features.h"
#include "platform/nxopen/host_calls.h"
#include "platform/objects/session.h"

using platform::HostStatus;
using platform::nxopen::Call;

namespace NXOpen {

Builder::~Builder() = default;
void Builder::Destroy() { delete this; }
SelectFace::~SelectFace() = default;

namespace Features {

FeatureBuilder::~FeatureBuilder() = default;
Feature* FeatureBuilder::CommitFeature() {
  Commit();
  return committed_;
}

namespace SheetMetal {

namespace {

platform::Part& LivePart(tag_t part) {
  return Call([&]() -> platform::Part& { return platform::Session::Get().RequireAs<platform::Part>(part, "a part"); });
}

// Whether a face tag names a live face of a body of the part.
bool UsableFace(tag_t part, const NXOpen::Face* face) {
  if (!face) return false;
  auto* ref = platform::Session::Get().FindAs<platform::TopologyRef>(face->Tag());
  return ref && ref->Subtype() == platform::kSolidFaceSubtype && ref->body->owner &&
         ref->body->owner->GetTag() == part && !ref->body->SubShape(*ref).IsNull();
}

Feature* AsFeature(platform::Feature& feature) { return dynamic_cast<Feature*>(NXObjectManager::Get(feature.GetTag())); }

void NeedFace(const NXOpen::Face* face, const char* builder, const char* role) {
  if (!face)
    throw NXException(static_cast<int>(HostStatus::InvalidArgument), std::string(builder) + ": no " + role + " is set");
}

}  // namespace

SheetmetalBaseBuilder::~SheetmetalBaseBuilder() = default;

SheetmetalManager::~SheetmetalManager() = default;

ConvertToSheetmetalBuilder* SheetmetalManager::CreateConvertToSheetmetalFeatureBuilder(Features::Feature* existing) {
  if (existing)
    throw NXException(static_cast<int>(HostStatus::NotImplemented),
                      "convert to sheet metal: editing feature " + std::to_string(existing->Tag()) + " is not supported");
  LivePart(part_);
  return new ConvertToSheetmetalBuilder(part_);
}

FlatSolidBuilder* SheetmetalManager::CreateFlatSolidFeatureBuilder(Features::Feature* existing) {
  if (existing)
    throw NXException(static_cast<int>(HostStatus::NotImplemented),
                      "flat solid: editing feature " + std::to_string(existing->Tag()) + " is not supported");
  LivePart(part_);
  return new FlatSolidBuilder(part_);
}

// ---- convert to sheet metal

ConvertToSheetmetalBuilder::~ConvertToSheetmetalBuilder() = default;

bool ConvertToSheetmetalBuilder::Validate() { return !sketch_ && UsableFace(part_, baseFace_); }

Features::Feature* ConvertToSheetmetalBuilder::Commit() {
  if (sketch_)
    throw NXException(static_cast<int>(HostStatus::NotImplemented), "convert to sheet metal: a sketch is not supported");
  NeedFace(baseFace_, "convert to sheet metal", "base face");
  platform::Part& part = LivePart(part_);
  committed_ = AsFeature(Call([&]() -> platform::Feature& { return platform::sheet_metal::ConvertToSheetMetal(part, baseFace_->Tag()); }));
  return committed_;
}

// ---- flat solid

CornerTreatmentBuilder::CornerTreatmentBuilder() : value_(new NXOpen::Expression()) {}
CornerTreatmentBuilder::~CornerTreatmentBuilder() = default;

FlatSolidBuilder::FlatSolidBuilder(tag_t part)
    : part_(part), outer_(new CornerTreatmentBuilder()), inner_(new CornerTreatmentBuilder()) {}
FlatSolidBuilder::~FlatSolidBuilder() = default;

bool FlatSolidBuilder::Validate() { return UsableFace(part_, stationary_.Value()); }

Features::Feature* FlatSolidBuilder::Commit() {
  NeedFace(stationary_.Value(), "flat solid", "stationary face");
  platform::Part& part = LivePart(part_);
  const tag_t face = stationary_.Value()->Tag();
  committed_ = AsFeature(Call([&]() -> platform::Feature& { return platform::sheet_metal::MakeFlatSolid(part, face); }));
  return committed_;
}

}  // namespace SheetMetal
}  // namespace Features
}  // namespace NXOpen
