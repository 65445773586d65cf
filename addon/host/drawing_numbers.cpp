// Drawing numbers as digits: telling a number from a name, and the free numbers.
#include "host/drawing_numbers.h"

#include <algorithm>

namespace kzt {

int 得到字符数字个数(const std::string& text) {
  // Digits are below 0x40, so they are never the trail byte of a GBK character.
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

int 查找连续图号(const std::vector<int>& used, std::vector<int>& free) {
  if (used.empty()) return 0;
  for (size_t i = 1; i < used.size(); ++i)
    for (int n = used[i - 1] + 1; n < used[i]; ++n) free.push_back(n);
  const int limit = static_cast<int>(used.size()) + 20;
  for (int n = used.back() + 1; n <= limit; ++n) free.push_back(n);
  return 0;
}

}  // namespace kzt
