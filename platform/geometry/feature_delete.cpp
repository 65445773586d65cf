// Deleting a modelling object together with what depends on it.
#include "platform/geometry/feature_delete.h"

#include <algorithm>
#include <vector>

#include "platform/geometry/body.h"
#include "platform/geometry/feature.h"
#include "platform/objects/group.h"
#include "platform/objects/part.h"
#include "platform/objects/session.h"

namespace platform {

void DeleteWithDependants(Object& object) {
  Session& session = Session::Get();
  const Tag tag = object.GetTag();
  Part* part = object.owner;
  if (auto* group = dynamic_cast<Group*>(&object); group && part) {
    // A group stands for its objects (an import): they go with it.
    for (std::uint32_t pid : std::vector<std::uint32_t>(group->memberPids))
      if (Object* member = part->FindByPid(pid)) DeleteWithDependants(*member);
  } else if (auto* feature = dynamic_cast<Feature*>(&object); feature && part) {
    for (std::uint32_t pid : std::vector<std::uint32_t>(feature->bodyPids))
      if (Object* body = part->FindByPid(pid)) session.Delete(body->GetTag());
  } else if (part && dynamic_cast<Body*>(&object)) {
    std::vector<Tag> orphaned;
    for (const auto& o : part->Objects())
      if (auto* f = dynamic_cast<Feature*>(o.get()); f && std::erase(f->bodyPids, object.pid) > 0 && f->bodyPids.empty())
        orphaned.push_back(f->GetTag());
    session.Delete(tag);
    for (Tag f : orphaned) session.Delete(f);
    return;
  }
  session.Delete(tag);
}

}  // namespace platform
