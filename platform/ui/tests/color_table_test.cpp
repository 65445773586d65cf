// The host colour table: fixed entries, and the nearest-colour lookup of file import.
#include <set>

#include <gtest/gtest.h>

#include "platform/objects/display.h"
#include "platform/objects/host_error.h"
#include "platform/ui/color_table.h"

using namespace platform;

TEST(ColorTable, NamedEntriesHaveTheirColours) {
  using Rgb = std::array<double, 3>;
  EXPECT_EQ(ui::ColorRgb(kRedColor), (Rgb{1, 0, 0}));
  EXPECT_EQ(ui::ColorName(kRedColor), "Red");
  EXPECT_EQ(ui::ColorRgb(1), (Rgb{1, 1, 1}));
  EXPECT_EQ(ui::ColorRgb(216), (Rgb{0, 0, 0}));
  EXPECT_EQ(ui::ColorName(31), "Cyan");
  EXPECT_EQ(ui::ColorRgb(31), (Rgb{0, 1, 1}));
  EXPECT_EQ(ui::ColorName(100), "Color 100");
  EXPECT_THROW(ui::ColorRgb(0), HostError);
  EXPECT_THROW(ui::ColorRgb(kColorCount + 1), HostError);
  EXPECT_THROW(ui::ColorName(-3), HostError);
}

TEST(ColorTable, EveryEntryIsDistinctAndItsOwnNearestColour) {
  std::set<std::array<double, 3>> seen;
  for (int i = 1; i <= kColorCount; ++i) {
    const auto rgb = ui::ColorRgb(i);
    EXPECT_TRUE(seen.insert(rgb).second) << "colour " << i << " repeats an earlier entry";
    EXPECT_EQ(ui::NearestColor(rgb[0], rgb[1], rgb[2]), i);
  }
}

TEST(ColorTable, NearestColourRoundsEachComponentToTheNearestLevelAndClamps) {
  // Levels are 0.2 apart: 0.91 is nearest 1.0, 0.09 nearest 0, 0.11 nearest 0.2.
  EXPECT_EQ(ui::NearestColor(0.91, 0.09, 0.05), kRedColor);
  EXPECT_EQ(ui::NearestColor(1.7, -0.4, 0), kRedColor);
  const auto dim = ui::ColorRgb(ui::NearestColor(0.11, 0.45, 0.69));
  EXPECT_DOUBLE_EQ(dim[0], 0.2);
  EXPECT_DOUBLE_EQ(dim[1], 0.4);
  EXPECT_DOUBLE_EQ(dim[2], 0.6);
}
