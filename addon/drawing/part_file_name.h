// The displayed part's file name, as drawing production names its general arrangement.
#pragma once
#include <string>

namespace kzt {

// `fileName`: after the last backslash and before the last "." ("" without a
// backslash); `fullPath`: the displayed part's full file name.
void 得到当前文件名称和路径(std::string& fileName, std::string& fullPath);

}  // namespace kzt
