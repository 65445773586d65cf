// uf_modl.h, creation: UF_MODL_create_cyl1 and the bodies of features.
#include <uf_modl.h>

#include <cmath>
#include <cstdlib>
#include <cstdio>

#include <BRepPrimAPI_MakeCylinder.hxx>
#include <gp_Ax2.hxx>

#include "platform/api/guard.h"
#include "platform/geometry/body.h"
#include "platform/geometry/feature.h"
#include "platform/text/gbk.h"

using namespace platform;
using namespace platform::api;

namespace {

// A positive length from an expression text such as "500.000000".
double Length(const char* text, const char* what) {
  const std::string value = NeedText(text, what);
  char* end = nullptr;
  const double number = std::strtod(value.c_str(), &end);
  while (end && *end == ' ') ++end;
  if (end == value.c_str() || (end && *end) || !std::isfinite(number))
    throw HostError(HostStatus::InvalidArgument,
                    std::string("the cylinder's ") + what + " \"" + text::ToUtf8Lossy(value) + "\" is not a number");
  if (number <= 0)
    throw HostError(HostStatus::ModellingFailed,
                    std::string("the cylinder's ") + what + " " + value + " must be greater than zero");
  return number;
}

std::string Triple(const double v[3]) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%.17g,%.17g,%.17g", v[0], v[1], v[2]);
  return buffer;
}

}  // namespace

extern "C" {

int UF_MODL_create_cyl1(UF_FEATURE_SIGN sign, double origin[3], const char* height, const char* diam,
                        double direction[3], tag_t* cyl_obj_id) {
  return Guard("UF_MODL_create_cyl1", [&] {
    Need(cyl_obj_id, "cyl_obj_id");
    *cyl_obj_id = NULL_TAG;
    Need(origin, "origin");
    Need(direction, "direction");
    if (sign != UF_NULLSIGN && sign != UF_NO_BOOLEAN)
      throw HostError(HostStatus::NotImplemented,
                      "cylinder with sign " + std::to_string(sign) + ": this host makes new bodies only (UF_NULLSIGN)");
    const double h = Length(height, "height");
    const double d = Length(diam, "diameter");
    const double norm = std::hypot(direction[0], direction[1], direction[2]);
    if (!(norm > 1e-12))
      throw HostError(HostStatus::InvalidArgument, "the cylinder's direction (" + Triple(direction) + ") has no length");
    Part& part = WorkPart();

    const gp_Ax2 axis(gp_Pnt(origin[0], origin[1], origin[2]),
                      gp_Dir(direction[0] / norm, direction[1] / norm, direction[2] / norm));
    BRepPrimAPI_MakeCylinder maker(axis, d / 2, h);
    maker.Build();
    if (!maker.IsDone()) throw HostError(HostStatus::ModellingFailed, "the modeller could not make the cylinder");

    auto body = std::make_unique<Body>(maker.Shape());
    body->display.layer = part.layers.work;
    Object& added = part.Add(std::move(body));

    auto feature = std::make_unique<Feature>();
    feature->kind = "CYLINDER";
    feature->bodyPids.push_back(added.pid);
    feature->parameters = {{"origin", Triple(origin)},
                           {"direction", Triple(direction)},
                           {"height", std::string(height)},
                           {"diameter", std::string(diam)}};
    feature->display.layer = added.display.layer;
    *cyl_obj_id = part.Add(std::move(feature)).GetTag();
  });
}

int UF_MODL_ask_feat_body(tag_t feature_obj_id, tag_t* body_obj_id) {
  return Guard("UF_MODL_ask_feat_body", [&] {
    Need(body_obj_id, "body_obj_id");
    *body_obj_id = NULL_TAG;
    auto& feature = Session::Get().RequireAs<Feature>(feature_obj_id, "a feature");
    for (std::uint32_t pid : feature.bodyPids)
      if (Object* body = feature.owner ? feature.owner->FindByPid(pid) : nullptr) {
        *body_obj_id = body->GetTag();
        return;
      }
    throw HostError(HostStatus::NotFound, "feature " + std::to_string(feature_obj_id) + " (" + feature.kind + ") has no body");
  });
}

}  // extern "C"
