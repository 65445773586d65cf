// uf_wave.h: linked bodies, copies of bodies of other parts placed in the work part.
#include <uf_wave.h>

#include <cstdio>

#include <TopLoc_Location.hxx>

#include "platform/api/guard.h"
#include "platform/api/placement.h"
#include "platform/api/xform.h"
#include "platform/assemblies/located_shape.h"
#include "platform/geometry/body.h"
#include "platform/geometry/feature.h"

using namespace platform;
using namespace platform::api;

namespace {

std::string Numbers(const Transform& t) {
  std::string text;
  char buffer[32];
  for (double v : t.rotation) {
    std::snprintf(buffer, sizeof buffer, "%.17g,", v);
    text += buffer;
  }
  for (double v : t.translation) {
    std::snprintf(buffer, sizeof buffer, "%.17g,", v);
    text += buffer;
  }
  text.pop_back();
  return text;
}

}  // namespace

extern "C" {

int UF_WAVE_create_linked_body(tag_t body, tag_t xform, tag_t object_in_part, logical at_timestamp,
                               tag_t* linked_feature) {
  return Guard("UF_WAVE_create_linked_body", [&] {
    Need(linked_feature, "linked_feature");
    *linked_feature = NULL_TAG;
    Object& source = Live(body);
    Body& prototype = BodyOf(source);
    Part& part = object_in_part == NULL_TAG ? WorkPart() : OwningPart(Live(object_in_part));
    const Transform placement =
        xform != NULL_TAG ? Session::Get().RequireAs<AssemblyXform>(xform, "an assembly-context transform").transform
                          : ReportPlacement(source);

    auto linked = std::make_unique<Body>(placement.IsIdentity()
                                             ? prototype.Shape()
                                             : prototype.Shape().Moved(TopLoc_Location(ToTrsf(placement))));
    linked->density = prototype.density;
    // The link carries what the body is (name, attributes): a part made from it keeps them.
    linked->name = Session::Get().NameOf(source);
    linked->attributes = prototype.attributes;
    if (&source != &prototype)
      for (const auto& [title, value] : source.attributes.Entries()) linked->attributes.Set(title, value);
    const Display& shown = Session::Get().DisplayOf(source);
    linked->display.color = shown.color;
    linked->display.translucency = shown.translucency;
    linked->display.layer = part.layers.work;
    Object& added = part.Add(std::move(linked));

    auto feature = std::make_unique<Feature>();
    feature->kind = "LINKED_BODY";
    feature->bodyPids.push_back(added.pid);
    feature->parameters = {{"source", (prototype.owner ? prototype.owner->path : std::string()) + "#" +
                                          std::to_string(prototype.pid)},
                           {"transform", Numbers(placement)},
                           {"at_timestamp", at_timestamp ? "1" : "0"}};
    *linked_feature = part.Add(std::move(feature)).GetTag();
  });
}

}  // extern "C"
