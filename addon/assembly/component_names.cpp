// Component names, written and read back.
#include "assembly/component_names.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "host/gbk_text.h"
#include "host/drawing_numbers.h"

namespace kzt {

std::string tail_after_dash(const std::string& name) {
  const auto dash = name.rfind('-');  // "-" is never a GBK trail byte
  return dash == std::string::npos ? name : name.substr(dash + 1);
}

bool all_digits(const std::string& text) {
  return 得到字符数字个数(text) == static_cast<int>(text.size());
}

int leading_value(const std::string& text) {
  // Saturated, so a run of digits too long for an int stays a huge number, never wraps.
  const long value = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

std::optional<int> component_number(const std::string& stem) {
  const std::string tail = tail_after_dash(stem);
  if (tail.empty() || !all_digits(tail)) return std::nullopt;
  return leading_value(tail);
}

std::string part_name_of_component(const std::string& stem) {
  auto split = [](const std::string& name, std::string& head, std::string& tail) {
    const auto dash = name.rfind('-');
    if (dash == std::string::npos) {
      head = tail = name;
    } else {
      head = name.substr(0, dash);
      tail = name.substr(dash + 1);
    }
  };
  std::string head, tail, head2, tail2;
  split(stem, head, tail);
  split(head, head2, tail2);
  if (all_digits(tail2)) return tail_after_dash(head2);
  return tail2;
}

ParentNumber parent_number(const std::string& parentStem) {
  ParentNumber result;
  if (contains_gbk(parentStem, "数模") || parentStem.find('-') == std::string::npos) {
    result.processed = contains_gbk(parentStem, "装配");
    return result;
  }
  result.processed = true;
  const std::string tail = tail_after_dash(parentStem);
  if (all_digits(tail)) result.suffix = tail;
  return result;
}

std::string batch_component_name(const std::string& partName, const std::string& parentStem,
                                 const std::string& suffix, int number) {
  char name[512];
  if (contains_gbk(parentStem, "装配"))
    std::snprintf(name, sizeof name, "%s-%d", partName.c_str(), number);
  else
    std::snprintf(name, sizeof name, "%s-%s-%d", partName.c_str(), suffix.c_str(), number);
  return name;
}

}  // namespace kzt
