// The displayed part's file name.
#include "drawing/part_file_name.h"

#include <uf.h>
#include <uf_part.h>

#include "host/gbk_text.h"
#include "host/uf_session.h"

namespace kzt {

void 得到当前文件名称和路径(std::string& fileName, std::string& fullPath) {
  const UfSession uf;
  char path[MAX_FSPEC_BUFSIZE] = "";
  UF_PART_ask_part_name(UF_PART_ask_display_part(), path);
  fullPath = path;
  const auto slash = LastBackslash(fullPath);
  if (slash == std::string::npos) {
    fileName.clear();
    return;
  }
  fileName = fullPath.substr(slash + 1);
  const auto dot = fileName.rfind('.');
  if (dot != std::string::npos) fileName.erase(dot);
}

}  // namespace kzt
