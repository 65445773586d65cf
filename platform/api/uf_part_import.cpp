// uf_part.h: UF_PART_import, and uf_trns.h: uf5947. An import copies the bodies of a
// part file into the work part at a coordinate system; the classic routine moves them on.
#include <uf_part.h>
#include <uf_trns.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include <gp_Ax3.hxx>

#include "platform/api/body_motion.h"
#include "platform/api/guard.h"
#include "platform/files/part_file.h"
#include "platform/objects/group.h"
#include "platform/text/gbk.h"

using namespace platform;
using namespace platform::api;

namespace {

// The file's absolute system placed at `point` with axes X and Y, scaled about it.
gp_Trsf Placement(const double csys[6], const double point[3], double scale) {
  const gp_Vec x(csys[0], csys[1], csys[2]), y(csys[3], csys[4], csys[5]);
  if (x.Magnitude() < 1e-10 || y.Magnitude() < 1e-10 || x.IsParallel(y, 1e-10))
    throw HostError(HostStatus::InvalidArgument, "dest_csys: the X and Y directions are zero or parallel");
  if (!(scale > 0) || !std::isfinite(scale))
    throw HostError(HostStatus::InvalidArgument, "scale " + std::to_string(scale) + " is not a positive number");
  const gp_Dir ux(x);
  const gp_Dir uz(x.Crossed(y));
  gp_Trsf place;
  place.SetTransformation(gp_Ax3(gp_Pnt(point[0], point[1], point[2]), uz, ux), gp_Ax3());
  gp_Trsf scaling;
  if (std::abs(scale - 1) > 1e-12) scaling.SetScale(gp_Pnt(0, 0, 0), scale);
  return place * scaling;
}

// The objects a move acts on: bodies, and the members of groups.
void CollectMoved(Object& object, std::vector<Body*>& bodies) {
  if (auto* body = dynamic_cast<Body*>(&object)) {
    if (std::find(bodies.begin(), bodies.end(), body) == bodies.end()) bodies.push_back(body);
  } else if (auto* group = dynamic_cast<Group*>(&object)) {
    if (group->owner)
      for (std::uint32_t pid : group->memberPids)
        if (Object* member = group->owner->FindByPid(pid)) CollectMoved(*member, bodies);
  } else {
    throw HostError(HostStatus::WrongObjectType,
                    "object " + std::to_string(object.GetTag()) + " (type " + std::to_string(object.Type()) +
                        ") cannot be moved here: bodies and groups only");
  }
}

}  // namespace

extern "C" {

int UF_PART_import(const char* part_name, UF_import_part_modes_p_t modes, double dest_csys[6], double dest_point[3],
                   double scale, tag_t* group) {
  return Guard("UF_PART_import", [&] {
    Need(group, "group");
    *group = NULL_TAG;
    const std::string path = NeedText(part_name, "part_name");
    Need(modes, "modes"), Need(dest_csys, "dest_csys"), Need(dest_point, "dest_point");
    if (modes->csys_mode != 0 || modes->plist_mode != 0)
      throw HostError(HostStatus::NotImplemented, "import modes: only csys_mode 0 and plist_mode 0 are offered");
    const gp_Trsf placement = Placement(dest_csys, dest_point, scale);
    Part& work = WorkPart();
    // Everything is read and placed before the work part is touched.
    std::unique_ptr<Part> source = files::ReadPart(path);
    std::vector<std::unique_ptr<Body>> bodies;
    for (const auto& object : source->Objects()) {
      auto* body = dynamic_cast<Body*>(object.get());
      if (!body || body->Shape().IsNull()) continue;
      auto copy = std::make_unique<Body>(body->Shape());
      MoveBody(*copy, placement);
      copy->density = body->density;
      copy->name = body->name;
      copy->attributes = body->attributes;
      copy->display = body->display;
      if (modes->layer_mode == 1) copy->display.layer = work.layers.work;
      bodies.push_back(std::move(copy));
    }
    auto made = modes->group_mode == 1 ? std::make_unique<Group>() : nullptr;
    for (auto& body : bodies) {
      Object& added = work.Add(std::move(body));
      if (made) made->memberPids.push_back(added.pid);
    }
    if (made) {
      made->display.layer = work.layers.work;
      *group = work.Add(std::move(made)).GetTag();
    }
    work.modified = true;
  });
}

void uf5947(const double rmatx[16], const tag_t objary[], const int* nobjs, const int* move, const int* dlay,
            const int* ictrac, tag_t copies[], tag_t* ictrac_grp, int* status) {
  const int code = Guard("uf5947", [&] {
    Need(rmatx, "rmatx"), Need(nobjs, "nobjs"), Need(move, "move"), Need(dlay, "dlay"), Need(ictrac, "ictrac");
    if (*nobjs > 0) Need(objary, "objary");
    if (*move != 1) throw HostError(HostStatus::NotImplemented, "uf5947: only moving (move 1) is offered, not copying");
    if (*ictrac != 2) throw HostError(HostStatus::NotImplemented, "uf5947: trace curves (ictrac 1) are not offered");
    if (*dlay < -1 || *dlay > kMaxLayer) throw HostError(HostStatus::InvalidArgument, "uf5947: layer " + std::to_string(*dlay));
    const gp_Trsf motion = MotionFromMatrix(rmatx);
    std::vector<Body*> bodies;
    for (int i = 0; i < *nobjs; ++i) CollectMoved(Session::Get().Require(objary[i]), bodies);
    for (Body* body : bodies) {
      MoveBody(*body, motion);
      if (*dlay == -1 && body->owner) body->display.layer = body->owner->layers.work;
      else if (*dlay > 0) body->display.layer = *dlay;
    }
    if (ictrac_grp) *ictrac_grp = NULL_TAG;
    (void)copies;
  });
  if (status) *status = code;
}

}  // extern "C"
