// Drawing numbers as digits: counting them, and the free numbers.
// Compiled like the add-on: string literals here are GBK.
#include <gtest/gtest.h>

#include "host/drawing_numbers.h"

TEST(DrawingNumbers, DigitCountIgnoresChineseCharacters) {
  const std::pair<const char*, int> cases[] = {{"A-12B3", 3}, {"底板-3-12", 3}, {"机架", 0}, {"", 0}};
  for (const auto& [text, digits] : cases) EXPECT_EQ(kzt::得到字符数字个数(text), digits) << text;
}

TEST(DrawingNumbers, FreeDrawingNumbersAreGapsThenNumbersUpToCountPlus20) {
  const auto upTo23 = [](std::vector<int> gaps, int from) {
    for (int n = from; n <= 23; ++n) gaps.push_back(n);
    return gaps;
  };
  const std::pair<std::vector<int>, std::vector<int>> cases[] = {
      {{1, 2, 3}, upTo23({}, 4)}, {{1, 3, 5}, upTo23({2, 4}, 6)},
      {{40}, {}}};  // past the limit of 1 + 20: nothing after it
  for (const auto& [used, expected] : cases) {
    std::vector<int> free;
    kzt::查找连续图号(used, free);
    EXPECT_EQ(free, expected);
  }
}
