// Sheet-metal conversion and flat solid as features of a part.
#include "platform/geometry/sheet_metal/sheet_metal_features.h"

#include <cstdio>
#include <memory>

#include <TopoDS.hxx>

#include "platform/geometry/body.h"
#include "platform/geometry/sheet_metal/flat_pattern.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"

namespace platform::sheet_metal {

namespace {

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

struct FaceOfBody {
  Body* body;
  TopoDS_Face face;
};

// The face behind a face tag, on a body of `part`.
FaceOfBody ResolveFace(Part& part, Tag faceTag, const char* role) {
  auto& ref = Session::Get().RequireAs<TopologyRef>(faceTag, "a face");
  if (ref.Subtype() != kSolidFaceSubtype)
    throw HostError(HostStatus::WrongObjectType, "object " + std::to_string(faceTag) + " is an edge, not a face");
  Body& body = *ref.body;
  if (body.owner != &part)
    throw HostError(HostStatus::InvalidArgument, std::string("the ") + role + " " + std::to_string(faceTag) + " of " +
                                                     BodyLabel(body) + " is not in the work part");
  const TopoDS_Shape face = body.SubShape(ref);
  if (face.IsNull())
    throw HostError(HostStatus::InvalidTag, std::string("the ") + role + " " + std::to_string(faceTag) + " of " +
                                                BodyLabel(body) + " no longer exists (the body changed)");
  return {&body, TopoDS::Face(face)};
}

Feature* ConversionOf(const Part& part, const Body& body) {
  for (const auto& o : part.Objects())
    if (auto* f = dynamic_cast<Feature*>(o.get());
        f && f->kind == kSheetMetalKind && f->parameters.count("body") && f->parameters.at("body") == std::to_string(body.pid))
      return f;
  return nullptr;
}

}  // namespace

std::string BodyLabel(const Object& body) {
  std::string label = "body " + std::to_string(body.GetTag());
  if (!body.name.empty()) label += " (" + text::ToUtf8Lossy(body.name) + ")";
  return label;
}

Feature& ConvertToSheetMetal(Part& part, Tag baseFace) {
  const FaceOfBody base = ResolveFace(part, baseFace, "base face");
  const FlatPattern pattern = Develop(base.body->Shape(), base.face, BodyLabel(*base.body));
  auto feature = std::make_unique<Feature>();
  feature->kind = kSheetMetalKind;
  feature->display.layer = base.body->display.layer;
  feature->parameters = {{"body", std::to_string(base.body->pid)},
                         {"thickness", Number(pattern.thickness)},
                         {"bends", std::to_string(pattern.bends.size())},
                         {"neutral_factor", Number(kNeutralFactor)}};
  part.modified = true;
  return static_cast<Feature&>(part.Add(std::move(feature)));
}

Feature& MakeFlatSolid(Part& part, Tag stationaryFace) {
  const FaceOfBody stationary = ResolveFace(part, stationaryFace, "stationary face");
  const std::string label = BodyLabel(*stationary.body);
  if (!ConversionOf(part, *stationary.body))
    throw HostError(HostStatus::InvalidArgument, label + " is not sheet metal; convert it before flattening");
  const FlatPattern pattern = Unfold(stationary.body->Shape(), stationary.face, label);

  auto flat = std::make_unique<Body>(pattern.solid);
  flat->density = stationary.body->density;
  flat->display.layer = stationary.body->display.layer;
  Object& added = part.Add(std::move(flat));

  auto feature = std::make_unique<Feature>();
  feature->kind = kFlatSolidKind;
  feature->bodyPids.push_back(added.pid);
  feature->display.layer = added.display.layer;
  feature->parameters = {{"body", std::to_string(stationary.body->pid)}, {"thickness", Number(pattern.thickness)}};
  part.modified = true;
  return static_cast<Feature&>(part.Add(std::move(feature)));
}

}  // namespace platform::sheet_metal
