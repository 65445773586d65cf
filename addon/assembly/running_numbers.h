// The running numbers a parent's new sub-components take, in order.
#pragma once
#include <cstddef>
#include <vector>

namespace kzt {

class RunningNumbers {
public:
  // `used`: the numbers of the parent's sub-components, any order (0 is added).
  explicit RunningNumbers(std::vector<int> used);
  // The free numbers first (gaps, then upwards to the count of used numbers plus 20);
  // past those, numbering goes on upwards instead of running out.
  int take();

private:
  std::vector<int> used_;
  std::vector<int> free_;
  std::size_t next_ = 0;
};

}  // namespace kzt
