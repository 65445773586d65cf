// A component's part file, and the name and folder parts of a host path.
#include "host/part_file_names.h"

#include <uf_assem.h>
#include <uf_part.h>

#include "host/gbk_text.h"
#include "host/uf_session.h"

namespace kzt {

std::string 得到新建组件的路径(tag_t component) {
  UfSession uf;
  char partName[MAX_FSPEC_BUFSIZE] = "";
  char refset[MAX_ENTITY_NAME_BUFSIZE] = "";
  char instanceName[UF_CFI_MAX_FILE_NAME_BUFSIZE] = "";
  double origin[3], matrix[9], transform[4][4];
  UF_ASSEM_ask_component_data(component, partName, refset, instanceName, origin, matrix, transform);
  return partName;
}

std::string 获取文件名和路径(const std::string& path, int mode) {
  const size_t slash = LastBackslash(path);
  if (mode == 1) {
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t ext = name.find(".prt");
    return ext == std::string::npos ? name : name.substr(0, ext);
  }
  if (mode == 2) return slash == std::string::npos ? std::string() : path.substr(0, slash);
  return std::string();
}

}  // namespace kzt
