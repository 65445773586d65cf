// Bodies, faces and edges as the C interface measures them: the geometry of a body,
// face or edge, or of an occurrence of one, placed where the interface reports it
// (placement.h), and the face or edge tags a body or body occurrence hands out.
#pragma once
#include <vector>

#include <TopoDS_Shape.hxx>

#include "platform/geometry/body.h"
#include "platform/objects/object.h"

namespace platform::api {

// A body, body occurrence, face, edge or face/edge occurrence, placed for reporting.
// HostError(WrongObjectType) naming the tag for anything else.
TopoDS_Shape ReportedShape(Object& object);

// The face or edge behind a face, edge or face/edge occurrence; `what` names the
// kind wanted ("a face", "an edge") in the error for anything else.
TopologyRef& TopologyOf(Object& object, int subtype, const char* what);
// Its shape, placed for reporting.
TopoDS_Shape ReportedTopology(Object& object, int subtype, const char* what);

// The body (or body occurrence) a face or edge (occurrence) belongs to.
Object& BodyOfTopology(Object& object);

// Tags for faces or edges of the body behind `context` (a body, body occurrence, face
// or edge, or an occurrence of one): prototype tags, or occurrences seen through the
// same body occurrence.
std::vector<Tag> TopologyTags(Object& context, const std::vector<TopoDS_Shape>& shapes);
std::vector<Tag> AllFaceTags(Object& body);
std::vector<Tag> AllEdgeTags(Object& body);

}  // namespace platform::api
