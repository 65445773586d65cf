// Removing the parameters of bodies.
#include "platform/geometry/remove_parameters.h"

#include <algorithm>
#include <string>

#include "platform/geometry/feature.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/shown_path.h"

namespace platform {

int RemoveParameters(Part& part, const std::vector<Body*>& bodies) {
  for (Body* body : bodies)
    if (body->owner != &part)
      throw HostError(HostStatus::InvalidArgument, "body " + std::to_string(body->GetTag()) + " is not in part " +
                                                       ShownPath(part.path));
  std::vector<Tag> doomed;
  for (const auto& object : part.Objects()) {
    auto* feature = dynamic_cast<Feature*>(object.get());
    if (!feature) continue;
    bool touched = false;
    for (Body* body : bodies) {
      touched |= std::erase(feature->bodyPids, body->pid) > 0;
      // Features that work on a body without making it (sheet-metal conversion) name it.
      auto it = feature->parameters.find("body");
      touched |= it != feature->parameters.end() && it->second == std::to_string(body->pid);
    }
    if (touched && feature->bodyPids.empty()) doomed.push_back(feature->GetTag());
  }
  for (Tag tag : doomed) Session::Get().Delete(tag);
  if (!bodies.empty()) part.modified = true;
  return static_cast<int>(doomed.size());
}

}  // namespace platform
