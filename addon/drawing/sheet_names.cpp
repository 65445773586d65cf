// Sheet names through the host's sheet list.
#include "drawing/sheet_names.h"

#include <algorithm>

#include <uf.h>
#include <uf_draw.h>
#include <uf_obj.h>

#include "host/uf_session.h"

namespace kzt {

std::vector<std::string> sheet_names() {
  const UfSession uf;
  int count = 0;
  tag_t* sheets = nullptr;
  UF_DRAW_ask_drawings(&count, &sheets);
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    char name[UF_OBJ_NAME_BUFSIZE] = "";
    UF_OBJ_ask_name(sheets[i], name);
    names.push_back(name);
  }
  if (sheets) UF_free(sheets);
  return names;
}

bool 判断图纸是否存在(const std::string& sheetName) {
  const auto names = sheet_names();
  return std::find(names.begin(), names.end(), sheetName) != names.end();
}

}  // namespace kzt
