// Part file rotation: NAME.prt becomes NAME(old).prt, one generation only.
#include "assembly/part_file_rotation.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include <io.h>
#include <uf_cfi.h>
#include <windows.h>

#include "assembly/component_queries.h"
#include "host/message.h"
#include "host/uf_session.h"

namespace kzt {

bool keep_previous_version(const std::string& folder, const std::string& path, const std::string& oldPath) {
  std::vector<std::string> files;
  得到目录下所有文件名(folder, files);
  if (std::find(files.begin(), files.end(), path) == files.end()) return true;
  UfSession uf;
  int oldStatus = 1;
  UF_CFI_ask_file_exist(oldPath.c_str(), &oldStatus);
  if (oldStatus == 0) DeleteFileA(oldPath.c_str());
  if (rename(path.c_str(), oldPath.c_str()) == 0) return true;
  char text[1200];
  std::snprintf(text, sizeof text, "警告:\n%s\n文件已经存在,且重命令不成功\n需要手动删除后重新新建组件", path.c_str());
  show_message(text);
  return false;
}

}  // namespace kzt
