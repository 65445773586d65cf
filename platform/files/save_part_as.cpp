#include "platform/files/save_part_as.h"

#include "platform/assemblies/renamed_part.h"
#include "platform/base/host_error.h"
#include "platform/drafting/views.h"
#include "platform/files/part_file.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/text/shown_path.h"

namespace platform::files {

void SavePartAs(Part& part, const std::string& newHostPath) {
  if (Part* other = Session::Get().FindPartByPath(newHostPath); other && other != &part)
    throw HostError(HostStatus::InvalidArgument,
                    "part " + ShownPath(newHostPath) + " is open; close it before saving over it");
  const std::string oldPath = part.path;
  // The new name first: component files beside the part are recorded relative to it.
  Session::Get().Repath(part, newHostPath);
  try {
    SavePart(part, newHostPath);
  } catch (...) {
    Session::Get().Repath(part, oldPath);
    throw;
  }
  if (SameHostPath(oldPath, newHostPath)) return;
  FollowRenamedPart(part, oldPath);
  FollowRenamedModelPart(oldPath, newHostPath);
}

}  // namespace platform::files
