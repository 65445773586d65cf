// Running numbers of batch component creation.
#include "assembly/running_numbers.h"

#include <algorithm>

#include "host/drawing_numbers.h"

namespace kzt {

RunningNumbers::RunningNumbers(std::vector<int> used) : used_(std::move(used)) {
  used_.push_back(0);
  std::sort(used_.begin(), used_.end());
  查找连续图号(used_, free_);
}

int RunningNumbers::take() {
  if (next_ < free_.size()) return free_[next_++];
  const int highest = std::max(used_.back(), free_.empty() ? 0 : free_.back());
  free_.push_back(highest + 1);
  return free_[next_++];
}

}  // namespace kzt
