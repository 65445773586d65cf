// A view whose scale was reduced is drawn from what it drew: it must look exactly like a
// fresh projection at the new scale, including what only merges at the smaller size.
#include "platform/drafting/rescaled_content.h"

#include <cmath>
#include <stdexcept>

#include <gtest/gtest.h>

#include "platform/drafting/tests/drafting_shapes.h"

namespace {

using namespace platform::drafting;
using namespace drafting_test;

// Every point a curve is drawn through, in order: ends of lines, centre and radius and
// angles of arcs, polyline points.
std::vector<double> Figures(const std::vector<Curve2>& curves) {
  std::vector<double> figures;
  for (const Curve2& curve : curves) {
    if (const auto* line = std::get_if<Line2>(&curve)) {
      figures.insert(figures.end(), {line->start.x, line->start.y, line->end.x, line->end.y});
    } else if (const auto* arc = std::get_if<Arc2>(&curve)) {
      figures.insert(figures.end(), {arc->centre.x, arc->centre.y, arc->radius, arc->startAngle, arc->endAngle});
    } else {
      for (const Point2& p : std::get<Polyline2>(curve).points) figures.insert(figures.end(), {p.x, p.y});
    }
  }
  return figures;
}

void ExpectSameDrawing(const ViewContent& actual, const ViewContent& expected, double tolerance) {
  ASSERT_EQ(actual.visible.size(), expected.visible.size());
  ASSERT_EQ(actual.hidden.size(), expected.hidden.size());
  EXPECT_NEAR(actual.box.xmin, expected.box.xmin, tolerance);
  EXPECT_NEAR(actual.box.ymin, expected.box.ymin, tolerance);
  EXPECT_NEAR(actual.box.xmax, expected.box.xmax, tolerance);
  EXPECT_NEAR(actual.box.ymax, expected.box.ymax, tolerance);
  for (const auto& [a, e] : {std::pair{&actual.visible, &expected.visible}, std::pair{&actual.hidden, &expected.hidden}}) {
    for (size_t i = 0; i < a->size(); ++i) EXPECT_EQ((*a)[i].index(), (*e)[i].index()) << "curve " << i;
  }
}

TEST(RescaledContent, IsWhatAFreshProjectionAtTheSmallerScaleDraws) {
  const struct {
    const char* what;
    TopoDS_Shape shape;
  } bodies[] = {{"square tube", SquareTube(60, 5, 200)},
                {"plate with holes", PlateWithHoles(200, 100, 10, 20, {{-60, 0}, {60, 0}})},
                {"block", Box(300, 100, 10)}};
  for (const auto& body : bodies)
    for (const char* view : {"Front", "Top", "Left", "Isometric"}) {
      SCOPED_TRACE(std::string(body.what) + ", " + view);
      const ViewContent full = Project(body.shape, view, 0.8);
      ExpectSameDrawing(Rescaled(full, 0.3), Project(body.shape, view, 0.24), 1e-9);
    }
}

TEST(RescaledContent, LinesArcsAndPolylinesShrinkAboutTheViewOrigin) {
  ViewContent content;
  content.visible = {Line2{{10, 20}, {30, -40}}, Arc2{{5, 5}, 4, 0.5, 2.0}};
  content.hidden = {Polyline2{{{0, 0}, {10, 10}, {20, 0}}}};
  const ViewContent half = Rescaled(content, 0.5);
  EXPECT_EQ(Figures(half.visible), (std::vector<double>{5, 10, 15, -20, 2.5, 2.5, 2, 0.5, 2.0}));
  EXPECT_EQ(Figures(half.hidden), (std::vector<double>{0, 0, 5, 5, 10, 0}));
  EXPECT_EQ(half.box.xmin, 0);
  EXPECT_EQ(half.box.xmax, 15);
  EXPECT_EQ(half.box.ymin, -20);
  EXPECT_EQ(half.box.ymax, 10);
}

TEST(RescaledContent, CurvesThatComeTogetherAtTheSmallerSizeMerge) {
  // 0.01 mm apart: two lines at full size, one at a tenth (0.001 mm, under the 0.005 mm
  // a person can tell apart); the hidden one under the visible one goes too.
  ViewContent content;
  content.visible = {Line2{{0, 0}, {100, 0}}, Line2{{0, 0.01}, {100, 0.01}}};
  content.hidden = {Line2{{0, -0.01}, {100, -0.01}}, Line2{{0, 50}, {100, 50}}};
  const ViewContent tenth = Rescaled(content, 0.1);
  EXPECT_EQ(tenth.visible.size(), 1u);
  ASSERT_EQ(tenth.hidden.size(), 1u);
  EXPECT_NEAR(std::get<Line2>(tenth.hidden[0]).start.y, 5, 1e-12);
}

TEST(RescaledContent, OnlyReductionsAreAccepted) {
  ViewContent content;
  content.visible = {Line2{{0, 0}, {1, 1}}};
  for (double factor : {1.5, 0.0, -0.5, std::nan("")}) EXPECT_THROW(Rescaled(content, factor), std::invalid_argument) << factor;
  EXPECT_EQ(Rescaled(content, 1).visible.size(), 1u);
}

}  // namespace
