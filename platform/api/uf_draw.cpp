// uf_draw.h: the drawing sheets of the work part.
#include <uf_draw.h>

#include "platform/api/guard.h"
#include "platform/drafting/drawing.h"

using namespace platform;
using namespace platform::api;

extern "C" {

int UF_DRAW_ask_drawings(int* num_drawings, tag_t** drawings) {
  return Guard("UF_DRAW_ask_drawings", [&] {
    Need(num_drawings, "num_drawings");
    Need(drawings, "drawings");
    *num_drawings = 0;
    *drawings = nullptr;
    std::vector<tag_t> sheets;
    for (const auto& object : WorkPart().Objects())
      if (dynamic_cast<DrawingSheet*>(object.get())) sheets.push_back(object->GetTag());
    *drawings = DupArray(sheets);
    *num_drawings = static_cast<int>(sheets.size());
  });
}

}  // extern "C"
