// Drawing numbers as digits: telling a number from a name, and the free numbers.
#pragma once
#include <string>
#include <vector>

namespace kzt {

// How many bytes of the text are ASCII digits (GBK double-byte characters never count).
int 得到字符数字个数(const std::string& text);
// Free drawing numbers: the gaps between the used numbers (ascending, at least one),
// then the numbers after the last one up to the count of used numbers plus 20.
int 查找连续图号(const std::vector<int>& used, std::vector<int>& free);

}  // namespace kzt
