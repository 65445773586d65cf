// Closing parts: one part, or a part with the component parts below it.
#include "platform/assemblies/close_parts.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/objects/session.h"
#include "platform/text/host_path.h"

namespace platform {

void CloseParts(Part& part, bool wholeTree) {
  Session& session = Session::Get();
  std::vector<std::string> children;
  if (wholeTree)
    for (const Instance& instance : part.Instances()) children.push_back(instance.partPath);
  session.ClosePart(part);
  for (const std::string& path : children) {
    Part* child = session.FindPartByPath(path);
    if (!child || child == session.Displayed()) continue;
    const bool used = std::any_of(session.Parts().begin(), session.Parts().end(), [&](const auto& p) {
      return std::any_of(p->Instances().begin(), p->Instances().end(),
                         [&](const Instance& i) { return SameHostPath(i.partPath, path); });
    });
    if (!used) CloseParts(*child, true);
  }
}

}  // namespace platform
