// Layer mode's band rules on their own: band layers, part numbers read from drawing
// numbers, which numbers belong to a component, and what stops a band.
#include <gtest/gtest.h>

#include "assembly/component_names.h"
#include "drawing/layer_bands.h"

namespace {

TEST(LayerBands, ComponentNumberGivesABandOfFifteenFromLayer100) {
  EXPECT_EQ(kzt::band_first_layer(1), 100);
  EXPECT_EQ(kzt::band_first_layer(2), 115);   // P-FRAME-2: band 115..129
  EXPECT_EQ(kzt::band_first_layer(11), 250);  // its parts from 251 on leave the GA's 100..249
  EXPECT_EQ(kzt::band_first_layer(12), 265);
}

TEST(LayerBands, AComponentNumberTooLongForAnIntIsRefusedNotWrapped) {
  const auto huge = kzt::component_number("P-X-99999999999999999999999");
  ASSERT_TRUE(huge);
  EXPECT_GT(kzt::band_first_layer(*huge), kzt::kHighestLayer);
  EXPECT_NE(kzt::band_problem({"P-X-99999999999999999999999", *huge, {}, 0, 21}), "");
}

TEST(LayerBands, PartNumberIsTheLeadingDigitsOfTheLastSegment) {
  EXPECT_EQ(kzt::part_number_of("XJ01-2-3"), 3);
  EXPECT_EQ(kzt::part_number_of("XJ01-2-12b"), 12);
  EXPECT_EQ(kzt::part_number_of("XJ01-2-A"), 0);
  EXPECT_EQ(kzt::part_number_of("XJ01-7"), 7);
}

TEST(LayerBands, ANumberBelongsWhenItHoldsTheComponentsTailOrASingleHyphen) {
  EXPECT_TRUE(kzt::number_belongs_to("XJ01-2-3", "2"));
  EXPECT_FALSE(kzt::number_belongs_to("XJ01-3-1", "2"));
  EXPECT_TRUE(kzt::number_belongs_to("XJ01-5", "2")) << "prefix-n, as a 装配 component numbers";
  EXPECT_FALSE(kzt::number_belongs_to("XJ-01-5", "2")) << "two hyphens and no 2";
  EXPECT_FALSE(kzt::number_belongs_to("XJ-01-3-1", "")) << "an empty tail matches nothing by itself";
}

TEST(LayerBands, BandProblemsNameTheComponentAndTheNumber) {
  EXPECT_EQ(kzt::band_problem({"P-FRAME-2", 2, {1, 3, 2, 4}, 2, 20}), "");
  EXPECT_EQ(kzt::band_problem({"P-FRAME-2", 2, {14}, 0, 21}), "") << "part 14 is the band's last layer";
  const std::string beyond = kzt::band_problem({"P-BIG-12", 12, {}, 0, 21});
  EXPECT_NE(beyond.find("P-BIG-12"), std::string::npos);
  EXPECT_NE(beyond.find("265"), std::string::npos);
  const std::string tooMany = kzt::band_problem({"P-FRAME-2", 2, {}, 22, 21});
  EXPECT_NE(tooMany.find("22"), std::string::npos);
  EXPECT_NE(tooMany.find("21"), std::string::npos);
  const std::string fifteen = kzt::band_problem({"P-FRAME-2", 2, {3, 15}, 1, 21});
  EXPECT_NE(fifteen.find("P-FRAME-2"), std::string::npos);
  EXPECT_NE(fifteen.find("15"), std::string::npos);
  EXPECT_NE(fifteen.find("130"), std::string::npos) << "the layer it would take";
  // Component 11 starts at 250: part 6 is layer 256, part 7 would be 257.
  EXPECT_EQ(kzt::band_problem({"P-END-11", 11, {6}, 0, 21}), "");
  const std::string past = kzt::band_problem({"P-END-11", 11, {7}, 0, 21});
  EXPECT_NE(past.find("P-END-11"), std::string::npos);
  EXPECT_NE(past.find("257"), std::string::npos);
}

}  // namespace
