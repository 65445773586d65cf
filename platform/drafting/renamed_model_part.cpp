#include "platform/drafting/renamed_model_part.h"

#include "platform/drafting/drafting_view.h"
#include "platform/objects/session.h"
#include "platform/text/host_path.h"

namespace platform {

void FollowRenamedModelPart(const std::string& oldPath, const std::string& newPath) {
  for (const auto& holder : Session::Get().Parts())
    for (const auto& object : holder->Objects())
      if (auto* view = dynamic_cast<DraftingView*>(object.get());
          view && !view->modelPartPath.empty() && SameHostPath(view->modelPartPath, oldPath)) {
        view->modelPartPath = newPath;
        holder->modified = true;
      }
}

}  // namespace platform
