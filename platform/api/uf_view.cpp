// uf_view.h: the work view. Headless, fitting a view changes nothing anyone can see.
#include <uf_view.h>

#include "platform/api/guard.h"
#include "platform/drafting/drawing.h"

using namespace platform;
using namespace platform::api;

extern "C" {

int UF_VIEW_ask_work_view(tag_t* view_tag) {
  return Guard("UF_VIEW_ask_work_view", [&] {
    Need(view_tag, "view_tag");
    *view_tag = NULL_TAG;
    for (const auto& object : WorkPart().Objects())
      if (auto* view = dynamic_cast<DraftingView*>(object.get()); view && view->sheetPid == 0) {
        *view_tag = view->GetTag();
        return;
      }
  });
}

int UF_VIEW_fit_view(tag_t view_tag, double fit_fraction) {
  return Guard("UF_VIEW_fit_view", [&] {
    if (view_tag != NULL_TAG) Session::Get().RequireAs<DraftingView>(view_tag, "a view");
  });
}

}  // extern "C"
