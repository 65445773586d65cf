// The host colour table: fixed entries, and the nearest-colour lookup of file import.
#include <set>

#include <gtest/gtest.h>

#include "platform/base/host_error.h"
#include "platform/objects/color_table.h"
#include "platform/objects/display.h"

using namespace platform;

TEST(ColorTable, NamedEntriesHaveTheirColours) {
  using Rgb = std::array<double, 3>;
  EXPECT_EQ(ColorRgb(kRedColor), (Rgb{1, 0, 0}));
  EXPECT_EQ(ColorName(kRedColor), "Red");
  EXPECT_EQ(ColorRgb(1), (Rgb{1, 1, 1}));
  EXPECT_EQ(ColorRgb(216), (Rgb{0, 0, 0}));
  EXPECT_EQ(ColorName(31), "Cyan");
  EXPECT_EQ(ColorRgb(31), (Rgb{0, 1, 1}));
  EXPECT_EQ(ColorName(100), "Color 100");
  EXPECT_THROW(ColorRgb(0), HostError);
  EXPECT_THROW(ColorRgb(kColorCount + 1), HostError);
  EXPECT_THROW(ColorName(-3), HostError);
}

TEST(ColorTable, EveryEntryIsDistinctAndItsOwnNearestColour) {
  std::set<std::array<double, 3>> seen;
  for (int i = 1; i <= kColorCount; ++i) {
    const auto rgb = ColorRgb(i);
    EXPECT_TRUE(seen.insert(rgb).second) << "colour " << i << " repeats an earlier entry";
    EXPECT_EQ(NearestColor(rgb[0], rgb[1], rgb[2]), i);
  }
}

TEST(ColorTable, NearestColourRoundsEachComponentToTheNearestLevelAndClamps) {
  // Levels are 0.2 apart: 0.91 is nearest 1.0, 0.09 nearest 0, 0.11 nearest 0.2.
  EXPECT_EQ(NearestColor(0.91, 0.09, 0.05), kRedColor);
  EXPECT_EQ(NearestColor(1.7, -0.4, 0), kRedColor);
  const auto dim = ColorRgb(NearestColor(0.11, 0.45, 0.69));
  EXPECT_DOUBLE_EQ(dim[0], 0.2);
  EXPECT_DOUBLE_EQ(dim[1], 0.4);
  EXPECT_DOUBLE_EQ(dim[2], 0.6);
}
