// A component's part file, and the name and folder parts of a host path.
#pragma once
#include <string>

#include <uf_defs.h>

namespace kzt {

// Full path of a component's part file.
std::string 得到新建组件的路径(tag_t component);
// Mode 1: file name without folder, cut before the first ".prt"; mode 2: the folder
// without its trailing backslash ("" when there is none).
std::string 获取文件名和路径(const std::string& path, int mode);

}  // namespace kzt
