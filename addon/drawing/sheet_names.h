// The names of the work part's drawing sheets.
#pragma once
#include <string>
#include <vector>

namespace kzt {

std::vector<std::string> sheet_names();
// True when a sheet of exactly that name exists in the work part.
bool 判断图纸是否存在(const std::string& sheetName);

}  // namespace kzt
