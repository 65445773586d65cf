#include "platform/drafting/hidden_under_visible.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "platform/drafting/tests/drafting_shapes.h"

namespace {

using namespace platform::drafting;
using drafting_test::ArcsOf;
using drafting_test::LinesOf;

constexpr double kPi = std::numbers::pi;

TEST(HiddenUnderVisible, OnlyTheUncoveredStretchOfAHiddenLineIsKept) {
  // Hidden 0..100 on the X axis; visible 20..50 and 40..70 on it; visible 80..90 a
  // little above it (0.1 mm, which a person sees as a separate line).
  ViewContent content;
  content.hidden = {Line2{{0, 0}, {100, 0}}};
  content.visible = {Line2{{50, 0}, {20, 0}}, Line2{{40, 0}, {70, 0}}, Line2{{80, 0.1}, {90, 0.1}}};
  DropHiddenUnderVisible(content);
  const auto left = LinesOf(content.hidden);
  ASSERT_EQ(left.size(), 2u);
  EXPECT_NEAR(left[0].start.x, 0, 1e-9);
  EXPECT_NEAR(left[0].end.x, 20, 1e-9);
  EXPECT_NEAR(left[1].start.x, 70, 1e-9);
  EXPECT_NEAR(left[1].end.x, 100, 1e-9);
}

TEST(HiddenUnderVisible, AHiddenLineUnderAVisiblePolylineGoesAndACrossingOneStays) {
  ViewContent content;
  content.hidden = {Line2{{0, 0}, {10, 0}}, Line2{{5, -5}, {5, 5}}};
  content.visible = {Polyline2{{{-1, 0}, {4, 0}, {11, 0}, {11, 3}}}};
  DropHiddenUnderVisible(content);
  const auto left = LinesOf(content.hidden);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_NEAR(left[0].start.x, 5, 1e-9);
  EXPECT_NEAR(left[0].start.y, -5, 1e-9);
  EXPECT_NEAR(left[0].end.y, 5, 1e-9);
}

TEST(HiddenUnderVisible, ArcsAreCutByAngleAcrossTheStartOfTheCircle) {
  // A hidden full circle under a visible arc from 300 to 420 degrees (through 0): what is
  // left runs from 60 to 300 degrees.
  ViewContent content;
  content.hidden = {Arc2{{1, 2}, 5, 0, 2 * kPi}};
  content.visible = {Arc2{{1, 2}, 5, 300 * kPi / 180, 420 * kPi / 180}, Arc2{{1, 2}, 6, 0, 2 * kPi}};
  DropHiddenUnderVisible(content);
  const auto left = ArcsOf(content.hidden);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_NEAR(left[0].startAngle, 60 * kPi / 180, 1e-9);
  EXPECT_NEAR(left[0].endAngle, 300 * kPi / 180, 1e-9);

  // Under a visible full circle of the same size nothing is left.
  content.hidden = {Arc2{{1, 2}, 6, 1, 2}};
  DropHiddenUnderVisible(content);
  EXPECT_TRUE(content.hidden.empty());
}

TEST(HiddenUnderVisible, HiddenPolylineSegmentsOnVisibleCurvesGo) {
  ViewContent content;
  content.hidden = {Polyline2{{{0, 0}, {5, 0}, {10, 0}, {10, 5}, {10, 10}}}};
  content.visible = {Line2{{0, 0}, {10, 0}}};
  DropHiddenUnderVisible(content);
  ASSERT_EQ(content.hidden.size(), 1u);
  const auto& points = std::get<Polyline2>(content.hidden[0]).points;
  ASSERT_EQ(points.size(), 3u);
  EXPECT_NEAR(points.front().y, 0, 1e-9);
  EXPECT_NEAR(points.back().y, 10, 1e-9);
}

TEST(RepeatedCurves, IdenticalLinesAndArcsAreKeptOnceWhicheverWayTheyRun) {
  std::vector<Curve2> curves = {Line2{{0, 0}, {10, 0}}, Line2{{10, 0}, {0, 0}}, Line2{{0, 0}, {10, 0.1}},
                                Arc2{{0, 0}, 5, 0, 2 * kPi}, Arc2{{0, 0}, 5, 0, 2 * kPi}, Arc2{{0, 0}, 5, 0, kPi},
                                Polyline2{{{0, 0}, {1, 1}}}, Polyline2{{{0, 0}, {1, 1}}}};
  DropRepeatedCurves(curves);
  EXPECT_EQ(LinesOf(curves).size(), 2u);
  EXPECT_EQ(ArcsOf(curves).size(), 2u);
  EXPECT_EQ(curves.size(), 6u);  // polylines are left alone
}

TEST(Extent, AnArcReachesTheQuadrantPointsItPasses) {
  // Radius 10 about the origin from 45 to 135 degrees: it passes the top (0, 10).
  Box2 box;
  box.Add(Curve2{Arc2{{0, 0}, 10, kPi / 4, 3 * kPi / 4}});
  EXPECT_NEAR(box.ymax, 10, 1e-9);
  EXPECT_NEAR(box.ymin, 10 * std::sin(kPi / 4), 1e-9);
  EXPECT_NEAR(box.xmin, -10 * std::cos(kPi / 4), 1e-9);
  EXPECT_NEAR(box.xmax, 10 * std::cos(kPi / 4), 1e-9);
  // From 350 to 370 degrees it passes 0 (the point (10, 0)).
  Box2 wrap;
  wrap.Add(Curve2{Arc2{{0, 0}, 10, 350 * kPi / 180, 370 * kPi / 180}});
  EXPECT_NEAR(wrap.xmax, 10, 1e-9);
  EXPECT_TRUE(Box2{}.empty);
  EXPECT_EQ(Box2{}.Width(), 0);
}

TEST(DrawAsSeen, StretchesLeftOfDifferentHiddenEdgesAreDrawnOnce) {
  // Two different hidden edges along the X axis, both covered from x = 5 on: what is left
  // of each is the same stretch 0..5, which a person sees as one dashed line.
  ViewContent content;
  content.hidden = {Line2{{0, 0}, {10, 0}}, Line2{{0, 0}, {20, 0}}, Line2{{0, 30}, {20, 30}}};
  content.visible = {Line2{{5, 0}, {20, 0}}, Line2{{0, -10}, {0, 40}}};
  DrawAsSeen(content);
  const auto left = LinesOf(content.hidden);
  ASSERT_EQ(left.size(), 2u);
  EXPECT_NEAR(std::abs(left[0].end.x - left[0].start.x), 5, 1e-9);
  EXPECT_NEAR(left[1].start.y, 30, 1e-9);
  EXPECT_EQ(content.visible.size(), 2u);
  EXPECT_NEAR(content.box.xmin, 0, 1e-9);
  EXPECT_NEAR(content.box.ymin, -10, 1e-9);
  EXPECT_NEAR(content.box.xmax, 20, 1e-9);
  EXPECT_NEAR(content.box.ymax, 40, 1e-9);
}

}  // namespace
