// uf_so.h: assembly-context transforms.
#include <uf_so.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/api/guard.h"
#include "platform/api/session_objects.h"
#include "platform/api/xform.h"
#include "platform/assemblies/occurrence.h"
#include "platform/assemblies/occurrences.h"

using namespace platform;
using namespace platform::api;

namespace platform::api {

AssemblyXform& KeepXform(std::unique_ptr<AssemblyXform> xform) { return Keep(std::move(xform)); }

}  // namespace platform::api

namespace {

// Placement of a part occurrence in its root; identity for NULL_TAG (the root itself).
Transform PlacementOfOccurrence(Tag occurrence, const char* what) {
  if (occurrence == NULL_TAG) return Transform::Identity();
  auto& occ = Session::Get().RequireAs<ComponentOccurrence>(occurrence, what);
  return Occurrences::Get().AbsoluteTransform(occ);
}

}  // namespace

extern "C" {

int UF_SO_create_xform_assy_ctxt(tag_t object_in_part, tag_t from_part_occ, tag_t to_part_occ, tag_t* xform) {
  return Guard("UF_SO_create_xform_assy_ctxt", [&] {
    Need(xform, "xform");
    *xform = NULL_TAG;
    Part& part = object_in_part == NULL_TAG ? WorkPart() : OwningPart(Live(object_in_part));
    const Transform from = PlacementOfOccurrence(from_part_occ, "a part occurrence (from)");
    const Transform to = PlacementOfOccurrence(to_part_occ, "a part occurrence (to)");
    auto made = std::make_unique<AssemblyXform>();
    made->owner = &part;
    made->transform = from.Then(to.Inverse());
    *xform = KeepXform(std::move(made)).GetTag();
  });
}

}  // extern "C"
