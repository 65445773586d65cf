// Drawing-name mode from the sheets of the work part.
#include "host/drawing_mode.h"

#include <algorithm>
#include <string>

#include <uf.h>
#include <uf_draw.h>
#include <uf_obj.h>

#include "host/uf_session.h"

namespace kzt {

int ask_drawing_mode() {
  UfSession uf;
  int count = 0;
  tag_t* sheets = nullptr;
  UF_DRAW_ask_drawings(&count, &sheets);
  int counted = 0;
  for (int i = 0; i < count; ++i) {
    char name[UF_OBJ_NAME_BUFSIZE] = "";
    UF_OBJ_ask_name(sheets[i], name);
    const std::string prefix = std::string(name).substr(0, 3);
    if (std::count(prefix.begin(), prefix.end(), '0') >= 2) ++counted;
  }
  if (sheets) UF_free(sheets);
  if (count == 0) return 2;
  return counted >= 0.9 * count ? 1 : 2;
}

}  // namespace kzt
