// Drawing numbers as digits: counting them, and the free numbers.
// Compiled like the add-on: string literals here are GBK.
#include <vector>

#include <gtest/gtest.h>

#include "host/drawing_numbers.h"

TEST(DrawingNumbers, DigitCountIgnoresChineseCharacters) {
  EXPECT_EQ(kzt::得到字符数字个数("A-12B3"), 3);
  EXPECT_EQ(kzt::得到字符数字个数("底板-3-12"), 3);
  EXPECT_EQ(kzt::得到字符数字个数("机架"), 0);
  EXPECT_EQ(kzt::得到字符数字个数(""), 0);
}

TEST(DrawingNumbers, FreeDrawingNumbersAreGapsThenNumbersUpToCountPlus20) {
  std::vector<int> free;
  kzt::查找连续图号({1, 2, 3}, free);
  std::vector<int> expected;
  for (int n = 4; n <= 23; ++n) expected.push_back(n);
  EXPECT_EQ(free, expected);

  free.clear();
  kzt::查找连续图号({1, 3, 5}, free);
  expected = {2, 4};
  for (int n = 6; n <= 23; ++n) expected.push_back(n);
  EXPECT_EQ(free, expected);

  free.clear();
  kzt::查找连续图号({40}, free);  // past the limit of 1 + 20: nothing after it
  EXPECT_TRUE(free.empty());
}
