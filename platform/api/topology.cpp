#include "platform/api/topology.h"

#include <TopLoc_Location.hxx>

#include "platform/api/guard.h"
#include "platform/api/placement.h"
#include "platform/assemblies/located_shape.h"
#include "platform/assemblies/topology_occurrence.h"

namespace platform::api {

namespace {

TopoDS_Shape Placed(const TopoDS_Shape& shape, const Transform& placement) {
  return placement.IsIdentity() ? shape : shape.Moved(TopLoc_Location(ToTrsf(placement)));
}

TopoDS_Shape SubShapeOf(TopologyRef& ref) {
  TopoDS_Shape sub = ref.body->SubShape(ref);
  if (sub.IsNull()) throw HostError(HostStatus::InvalidTag, TagText(ref.GetTag()) + " no longer exists in its body");
  return sub;
}

// The body occurrence a context is seen through, or null for a prototype's context.
BodyOccurrence* OccurrenceContext(Object& context) {
  if (auto* bo = dynamic_cast<BodyOccurrence*>(&context)) return bo;
  if (auto* to = dynamic_cast<TopologyOccurrence*>(&context)) return &BodyOccurrenceOf(*to);
  return nullptr;
}

}  // namespace

TopologyRef& TopologyOf(Object& object, int subtype, const char* what) {
  TopologyRef* ref = dynamic_cast<TopologyRef*>(&object);
  if (auto* to = dynamic_cast<TopologyOccurrence*>(&object)) ref = &PrototypeTopologyOf(*to);
  if (!ref || ref->Subtype() != subtype)
    throw HostError(HostStatus::WrongObjectType, TagText(object.GetTag()) + " is not " + what);
  return *ref;
}

TopoDS_Shape ReportedTopology(Object& object, int subtype, const char* what) {
  TopologyRef& ref = TopologyOf(object, subtype, what);
  if (auto* to = dynamic_cast<TopologyOccurrence*>(&object))
    return Placed(SubShapeOf(ref), ReportPlacement(BodyOccurrenceOf(*to)));
  return SubShapeOf(ref);
}

TopoDS_Shape ReportedShape(Object& object) {
  if (dynamic_cast<TopologyRef*>(&object) || dynamic_cast<TopologyOccurrence*>(&object))
    return ReportedTopology(object, object.Subtype(), "a face or an edge");
  Body& body = BodyOf(object);
  return Placed(body.Shape(), ReportPlacement(object));
}

Object& BodyOfTopology(Object& object) {
  if (auto* to = dynamic_cast<TopologyOccurrence*>(&object)) return BodyOccurrenceOf(*to);
  if (auto* ref = dynamic_cast<TopologyRef*>(&object)) return *ref->body;
  throw HostError(HostStatus::WrongObjectType, TagText(object.GetTag()) + " is not a face or an edge");
}

std::vector<Tag> TopologyTags(Object& context, const std::vector<TopoDS_Shape>& shapes) {
  Body& body = (dynamic_cast<TopologyRef*>(&context) || dynamic_cast<TopologyOccurrence*>(&context))
                   ? *TopologyOf(context, context.Subtype(), "a face or an edge").body
                   : BodyOf(context);
  BodyOccurrence* occurrence = OccurrenceContext(context);
  std::vector<Tag> tags;
  tags.reserve(shapes.size());
  for (const TopoDS_Shape& shape : shapes) {
    const Tag tag = body.TagOfSubShape(shape);
    if (tag == kNullTag) throw HostError(HostStatus::NoGeometry, "a face or edge is not part of body " + std::to_string(body.GetTag()));
    if (!occurrence) {
      tags.push_back(tag);
      continue;
    }
    auto& ref = Session::Get().RequireAs<TopologyRef>(tag, "a face or an edge");
    tags.push_back(OccurrenceOfTopology(*occurrence, ref).GetTag());
  }
  return tags;
}

std::vector<Tag> AllFaceTags(Object& body) {
  std::vector<Tag> tags = BodyOf(body).FaceTags();
  BodyOccurrence* occurrence = OccurrenceContext(body);
  if (!occurrence) return tags;
  for (Tag& tag : tags) tag = OccurrenceOfTopology(*occurrence, Session::Get().RequireAs<TopologyRef>(tag, "a face")).GetTag();
  return tags;
}

std::vector<Tag> AllEdgeTags(Object& body) {
  std::vector<Tag> tags = BodyOf(body).EdgeTags();
  BodyOccurrence* occurrence = OccurrenceContext(body);
  if (!occurrence) return tags;
  for (Tag& tag : tags) tag = OccurrenceOfTopology(*occurrence, Session::Get().RequireAs<TopologyRef>(tag, "an edge")).GetTag();
  return tags;
}

}  // namespace platform::api
