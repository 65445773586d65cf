// A view whose scale was reduced is drawn from what it drew: it must look exactly like a
// fresh projection at the new scale, including what only merges at the smaller size.
#include "platform/drafting/rescaled_content.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <gp_Ax2.hxx>
#include <gtest/gtest.h>

#include "platform/drafting/hidden_line_projection.h"
#include "platform/drafting/model_views.h"

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

namespace {

// The longest hidden line lying along one visible line, parallel to it (within 2°) and
// within `near` sheet mm of it at both ends and in the middle: a dashed line drawn on top
// of a solid one. (Pieces of a hidden circle leaving a visible outline where they touch
// it are not along it.)
double LongestHiddenAlongAVisibleLine(const ViewContent& content, double near) {
  auto distance = [](Point2 p, const Line2& l) {
    const double dx = l.end.x - l.start.x, dy = l.end.y - l.start.y, lengthSquared = dx * dx + dy * dy;
    const double t =
        lengthSquared == 0 ? 0 : std::clamp(((p.x - l.start.x) * dx + (p.y - l.start.y) * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(p.x - l.start.x - t * dx, p.y - l.start.y - t * dy);
  };
  const auto visible = LinesOf(content.visible);
  double longest = 0;
  for (const Line2& h : LinesOf(content.hidden)) {
    const Point2 middle{(h.start.x + h.end.x) / 2, (h.start.y + h.end.y) / 2};
    const double hx = h.end.x - h.start.x, hy = h.end.y - h.start.y;
    for (const Line2& v : visible) {
      const double vx = v.end.x - v.start.x, vy = v.end.y - v.start.y;
      const bool parallel = std::abs(hx * vy - hy * vx) <= std::sin(2 * M_PI / 180) * std::hypot(hx, hy) * std::hypot(vx, vy);
      if (parallel && distance(h.start, v) <= near && distance(h.end, v) <= near && distance(middle, v) <= near)
        longest = std::max(longest, std::hypot(hx, hy));
    }
  }
  return longest;
}

}  // namespace

TEST(RescaledContent, AMeshedOutlineUnderAVisibleEdgeStaysHiddenAtEveryScaleAndReduction) {
  // A pipe (60 mm outside, 52 inside, 400 long) lying on a 300 x 300 x 10 plate, seen
  // from the isometric direction. The polygonal algorithm takes the pipe's outline from
  // its mesh, up to a chord (0.05 mm on the sheet) off the exact outline, so its hidden
  // outline stretches lie up to that far from the visible edges that cover them. The
  // exact algorithm drops them; so must a meshed view at any scale, also once reduced to
  // 0.3 (a general arrangement's isometric view). With a fixed 0.005 mm such dashes were
  // left on the solid edges, at 0.0051 to 0.0102 mm from them at general-arrangement
  // scales of 0.02 to 0.04 once reduced.
  const gp_Ax2 axis(gp_Pnt(-50, 150, 40), gp_Dir(1, 0, 0));
  const TopoDS_Shape pipe =
      BRepAlgoAPI_Cut(BRepPrimAPI_MakeCylinder(axis, 30, 400).Shape(), BRepPrimAPI_MakeCylinder(axis, 26, 400).Shape())
          .Shape();
  const std::vector<PlacedBody> bodies{{Box(300, 300, 10), gp_Trsf()}, {pipe, gp_Trsf()}};
  const ModelView& isometric = StandardModelViews()[6];
  ASSERT_EQ(isometric.name, "Isometric");
  for (double scale : {0.02, 0.04, 0.08}) {
    HiddenLineProjection polygonal(bodies, isometric, scale, HlrMethod::Polygonal);
    ASSERT_TRUE(polygonal.Perform());
    const ViewContent reduced = Rescaled(polygonal.Content(), 0.3);
    EXPECT_FALSE(reduced.hidden.empty()) << "the bore still shows dashed";
    EXPECT_EQ(LongestHiddenAlongAVisibleLine(reduced, 0.015), 0) << scale;
    EXPECT_EQ(LongestHiddenAlongAVisibleLine(polygonal.Content(), 0.05), 0) << scale;
    HiddenLineProjection exact(bodies, isometric, scale * 0.3, HlrMethod::Exact);
    ASSERT_TRUE(exact.Perform());
    EXPECT_EQ(LongestHiddenAlongAVisibleLine(exact.Content(), 0.015), 0) << scale;
  }
}
