#include "platform/assemblies/renamed_part.h"

#include "platform/assemblies/occurrences.h"
#include "platform/text/host_path.h"

namespace platform {

void FollowRenamedPart(Part& part, const std::string& oldPath) {
  Session& session = Session::Get();
  Occurrences& occurrences = Occurrences::Get();
  const std::string oldStem = HostFileStem(oldPath);
  for (const auto& holder : session.Parts()) {
    for (const Instance& placed : holder->Instances())
      if (SameHostPath(placed.partPath, oldPath)) {
        holder->FindInstance(placed.pid)->partPath = part.path;
        holder->modified = true;
      }
    for (Object* object : occurrences.LiveOccurrences(*holder)) {
      auto* shown = dynamic_cast<ComponentOccurrence*>(object);
      if (!shown || !SameHostPath(shown->partPath, oldPath)) continue;
      shown->partPath = part.path;
      // A root occurrence is named after its part's file.
      if (!shown->parent && shown->name == oldStem) shown->name = HostFileStem(part.path);
    }
  }
}

}  // namespace platform
