#include "platform/drafting/hidden_line_projection.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

#include <BRepPrimAPI_MakeCylinder.hxx>
#include <gtest/gtest.h>

#include "platform/drafting/tests/drafting_shapes.h"
#include "platform/base/host_error.h"

namespace {

using namespace platform::drafting;
using namespace drafting_test;

constexpr double kTol = 1e-6;

bool IsVertical(const Line2& l) { return std::abs(l.start.x - l.end.x) < kTol; }
bool IsHorizontal(const Line2& l) { return std::abs(l.start.y - l.end.y) < kTol; }
double Length(const Line2& l) { return std::hypot(l.end.x - l.start.x, l.end.y - l.start.y); }

// Square tube 60 x 60, wall 5, 200 long along Z: inner walls at x, y = +-25.
class SquareTubeViews : public ::testing::Test {
protected:
  TopoDS_Shape tube = SquareTube(60, 5, 200);
};

TEST_F(SquareTubeViews, FrontAndSideShowTheInnerWallsAsTwoHiddenLinesAlongTheTube) {
  for (const char* view : {"Front", "Right", "Left", "Back"}) {
    SCOPED_TRACE(view);
    const ViewContent content = Project(tube, view);
    // The outline: a 60 x 200 rectangle.
    EXPECT_NEAR(content.box.Width(), 60, kTol);
    EXPECT_NEAR(content.box.Height(), 200, kTol);
    // Inner walls: two vertical hidden lines, 200 long, at x = -25 and x = 25. The inner
    // square's ends lie under the outer ends and are not drawn.
    const auto hidden = LinesOf(content.hidden);
    ASSERT_EQ(hidden.size(), 2u);
    ASSERT_EQ(content.hidden.size(), 2u);
    std::set<long> xs;
    for (const Line2& line : hidden) {
      EXPECT_TRUE(IsVertical(line));
      EXPECT_NEAR(Length(line), 200, kTol);
      xs.insert(std::lround(line.start.x));
    }
    EXPECT_EQ(xs, (std::set<long>{-25, 25}));
    // Visible: the four sides of the outline and nothing inside it.
    const auto visible = LinesOf(content.visible);
    EXPECT_EQ(visible.size(), content.visible.size());
    for (const Line2& line : visible)
      EXPECT_TRUE((IsVertical(line) && std::abs(std::abs(line.start.x) - 30) < kTol) || IsHorizontal(line));
  }
}

TEST_F(SquareTubeViews, TopShowsBothSquaresVisibleAndNoHiddenLine) {
  const ViewContent content = Project(tube, "Top");
  EXPECT_TRUE(content.hidden.empty()) << content.hidden.size() << " hidden curves";
  const auto visible = LinesOf(content.visible);
  ASSERT_EQ(visible.size(), 8u);
  int outer = 0, inner = 0;
  for (const Line2& line : visible) {
    if (std::abs(Length(line) - 60) < kTol) ++outer;
    if (std::abs(Length(line) - 50) < kTol) ++inner;
  }
  EXPECT_EQ(outer, 4);
  EXPECT_EQ(inner, 4);
}

// Plate 200 x 100 x 10 with four holes of diameter 20 at (+-70, +-30).
class PlateWithFourHoles : public ::testing::Test {
protected:
  std::vector<Point2> centres{{-70, -30}, {70, -30}, {70, 30}, {-70, 30}};
  TopoDS_Shape plate = PlateWithHoles(200, 100, 10, 20, centres);
};

TEST_F(PlateWithFourHoles, TopShowsFourExactCirclesAtTheHoleCentres) {
  const double scale = 0.5;
  const ViewContent content = Project(plate, "Top", scale);
  const auto circles = ArcsOf(content.visible);
  ASSERT_EQ(circles.size(), 4u);
  for (const Arc2& circle : circles) {
    EXPECT_TRUE(circle.IsFullCircle());
    EXPECT_NEAR(circle.radius, 10 * scale, kTol);
    const bool atAHole = std::any_of(centres.begin(), centres.end(), [&](Point2 c) {
      return std::abs(circle.centre.x - c.x * scale) < kTol && std::abs(circle.centre.y - c.y * scale) < kTol;
    });
    EXPECT_TRUE(atAHole) << circle.centre.x << ", " << circle.centre.y;
  }
  // The holes' lower rims lie under the upper ones.
  EXPECT_TRUE(content.hidden.empty()) << content.hidden.size() << " hidden curves";
}

TEST_F(PlateWithFourHoles, FrontShowsTheHoleWallsAsHiddenLinesThroughThePlate) {
  const ViewContent content = Project(plate, "Front");
  std::set<long> xs;
  for (const Line2& line : LinesOf(content.hidden)) {
    EXPECT_TRUE(IsVertical(line));
    EXPECT_NEAR(Length(line), 10, kTol);
    xs.insert(std::lround(line.start.x));
  }
  EXPECT_EQ(xs, (std::set<long>{-80, -60, 60, 80}));
  EXPECT_TRUE(ArcsOf(content.visible).empty());
}

TEST(ViewExtent, BodiesAreDrawnAtTheirPlacement) {
  const TopoDS_Shape block = Box(100, 50, 20);
  gp_Trsf moved;
  moved.SetTranslation(gp_Vec(1000, 0, 0));
  gp_Trsf turned;  // a quarter turn about Z: X becomes Y
  turned.SetRotation(gp::OZ(), M_PI / 2);
  HiddenLineProjection projection({{block, moved}, {block, turned}}, StandardModelView("Front"), 0.5);
  ASSERT_TRUE(projection.Perform()) << projection.Failure();
  const Box2 box = projection.Content().box;
  // The turned copy spans x in [-50, 0]; the moved one [1000, 1100]; times the scale.
  EXPECT_NEAR(box.xmin, -25, kTol);
  EXPECT_NEAR(box.xmax, 550, kTol);
  EXPECT_NEAR(box.Height(), 10, kTol);
}

TEST(ViewExtent, ABodyBehindAnotherIsHiddenByIt) {
  // A 20 mm cube 100 mm behind a 100 mm plate, seen from the front: all its edges hidden.
  const TopoDS_Shape plate = Box(100, 10, 100, -50, 0, 0);
  const TopoDS_Shape cube = Box(20, 20, 20, -10, 100, 40);
  HiddenLineProjection projection({{plate, gp_Trsf()}, {cube, gp_Trsf()}}, StandardModelView("Front"), 1);
  ASSERT_TRUE(projection.Perform()) << projection.Failure();
  const ViewContent& content = projection.Content();
  EXPECT_EQ(LinesOf(content.visible).size(), 4u);  // the plate's outline only
  const auto hidden = LinesOf(content.hidden);
  ASSERT_EQ(hidden.size(), 4u);
  for (const Line2& line : hidden) EXPECT_NEAR(Length(line), 20, kTol);
}

TEST(HlrMethods, PolygonalAgreesWithExactOnTheExtentAndDrawsCirclesAsSegments) {
  const TopoDS_Shape plate = PlateWithHoles(200, 100, 10, 20, {{0, 0}});
  for (const char* view : {"Top", "Front", "Isometric"}) {
    SCOPED_TRACE(view);
    const ViewContent exact = Project(plate, view, 1, HlrMethod::Exact);
    const ViewContent polygonal = Project(plate, view, 1, HlrMethod::Polygonal);
    EXPECT_NEAR(polygonal.box.xmin, exact.box.xmin, 0.05);
    EXPECT_NEAR(polygonal.box.xmax, exact.box.xmax, 0.05);
    EXPECT_NEAR(polygonal.box.ymin, exact.box.ymin, 0.05);
    EXPECT_NEAR(polygonal.box.ymax, exact.box.ymax, 0.05);
    EXPECT_TRUE(ArcsOf(polygonal.visible).empty());
  }
  EXPECT_EQ(ArcsOf(Project(plate, "Top", 1, HlrMethod::Exact).visible).size(), 1u);
}

TEST(HlrMethods, PolygonalDrawsStraightEdgesAsWholeLinesLikeExact) {
  // All of the tube's edges are straight, so both algorithms must find the same lines:
  // four outline sides and the two inner walls hidden (from the front), both squares
  // (from the top).
  const TopoDS_Shape tube = SquareTube(60, 5, 200);
  for (const char* view : {"Front", "Top"}) {
    SCOPED_TRACE(view);
    const ViewContent exact = Project(tube, view, 1, HlrMethod::Exact);
    const ViewContent polygonal = Project(tube, view, 1, HlrMethod::Polygonal);
    EXPECT_EQ(LinesOf(polygonal.visible).size(), LinesOf(exact.visible).size());
    EXPECT_EQ(polygonal.visible.size(), exact.visible.size());
    EXPECT_EQ(polygonal.hidden.size(), exact.hidden.size());
    double exactLength = 0, polygonalLength = 0;
    for (const Line2& line : LinesOf(exact.hidden)) exactLength += Length(line);
    for (const Line2& line : LinesOf(polygonal.hidden)) polygonalLength += Length(line);
    EXPECT_NEAR(polygonalLength, exactLength, 1e-6);
  }
}

TEST(HlrMethods, AutomaticTurnsPolygonalAboveTheFaceLimit) {
  const TopoDS_Shape block = Box(10, 10, 10);  // six faces
  std::vector<PlacedBody> few(kExactFaceLimit / 6, PlacedBody{block, gp_Trsf()});
  EXPECT_EQ(ChooseHlrMethod(few), HlrMethod::Exact);
  std::vector<PlacedBody> many(kExactFaceLimit / 6 + 1, PlacedBody{block, gp_Trsf()});
  EXPECT_EQ(ChooseHlrMethod(many), HlrMethod::Polygonal);

  HiddenLineProjection projection({{block, gp_Trsf()}}, StandardModelView("Top"), 1);
  ASSERT_TRUE(projection.Perform());
  EXPECT_EQ(projection.MethodUsed(), HlrMethod::Exact);
}

TEST(ProjectionInput, BadScalesNothingToProjectAndEarlyReadsAreRefused) {
  const TopoDS_Shape block = Box(10, 10, 10);
  for (double scale : {0.0, -1.0, std::nan(""), HUGE_VAL}) {
    try {
      HiddenLineProjection({{block, gp_Trsf()}}, StandardModelView("Top"), scale);
      ADD_FAILURE() << "scale " << scale << " accepted";
    } catch (const platform::HostError& error) {
      EXPECT_EQ(error.Status(), platform::HostStatus::InvalidArgument);
      EXPECT_NE(std::string(error.what()).find("\"Top\""), std::string::npos) << error.what();
    }
  }
  HiddenLineProjection empty({}, StandardModelView("Front"), 1);
  EXPECT_FALSE(empty.Perform());
  EXPECT_NE(empty.Failure().find("\"Front\""), std::string::npos) << empty.Failure();
  EXPECT_THROW(empty.Content(), std::logic_error);

  HiddenLineProjection nullShape({{TopoDS_Shape(), gp_Trsf()}}, StandardModelView("Front"), 1);
  EXPECT_FALSE(nullShape.Perform());
  EXPECT_THROW(nullShape.MethodUsed(), std::logic_error);
}

double TotalLength(const std::vector<Curve2>& curves) {
  double total = 0;
  for (const Line2& line : LinesOf(curves)) total += Length(line);
  return total;
}

TEST(HlrMethods, BodiesOfPlanarFacesDrawTheSameLinesByBothAlgorithmsInEveryView) {
  // The exact algorithm takes a shorter way for bodies whose faces are all planar; the
  // polygonal one, exact on planes, must find the same lines: a flat bar behind a
  // block, a square tube, and a plate hiding part of a block behind it.
  gp_Trsf behind;
  behind.SetTranslation(gp_Vec(30, 40, -60));
  const TopoDS_Shape angle = Box(200, 50, 5);
  const std::vector<std::vector<PlacedBody>> cases = {
      {{Box(300, 50, 50), gp_Trsf()}, {angle, behind}},
      {{SquareTube(60, 5, 200), gp_Trsf()}},
      {{Box(120, 80, 10), gp_Trsf()}, {Box(40, 40, 40, 20, 20, -50), gp_Trsf()}}};
  // The six principal views: seen from a corner, the two algorithms disagree on a short
  // stretch of the tube's inner walls, with the outliner or without it.
  for (const auto& bodies : cases)
    for (const char* name : {"Front", "Top", "Right", "Left", "Back", "Bottom"}) {
      const ModelView& view = StandardModelView(name);
      SCOPED_TRACE(std::to_string(&bodies - &cases[0]) + ", " + name);
      HiddenLineProjection exact(bodies, view, 1, HlrMethod::Exact);
      HiddenLineProjection polygonal(bodies, view, 1, HlrMethod::Polygonal);
      ASSERT_TRUE(exact.Perform() && polygonal.Perform());
      const ViewContent& e = exact.Content();
      const ViewContent& p = polygonal.Content();
      EXPECT_TRUE(ArcsOf(e.visible).empty() && ArcsOf(e.hidden).empty());
      EXPECT_NEAR(TotalLength(e.visible), TotalLength(p.visible), 1e-6);
      EXPECT_NEAR(TotalLength(e.hidden), TotalLength(p.hidden), 1e-6);
      EXPECT_NEAR(e.box.xmin, p.box.xmin, 1e-6);
      EXPECT_NEAR(e.box.xmax, p.box.xmax, 1e-6);
      EXPECT_NEAR(e.box.ymin, p.box.ymin, 1e-6);
      EXPECT_NEAR(e.box.ymax, p.box.ymax, 1e-6);
    }
}

TEST(HlrMethods, APlanarBodyHidesPartOfACurvedOnesOutline) {
  // A round bar (curved) along X behind a plate (planar), seen from the front: the plate
  // hides the middle of the bar's outline lines, which show hidden there.
  const TopoDS_Shape bar = BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(-100, 50, 30), gp::DX()), 20, 200).Shape();
  HiddenLineProjection projection({{Box(100, 10, 100, -50, 0, -20), gp_Trsf()}, {bar, gp_Trsf()}},
                                  StandardModelView("Front"), 1, HlrMethod::Exact);
  ASSERT_TRUE(projection.Perform());
  const ViewContent& content = projection.Content();
  // The cylinder's two outline lines run from x = -100 to 100 at z = 10 and 50; the plate
  // covers x -50..50, z -20..80, so each shows visible outside it and hidden behind it.
  double visibleOutline = 0, hiddenOutline = 0;
  for (const Line2& line : LinesOf(content.visible))
    if (IsHorizontal(line) && (std::abs(line.start.y - 10) < 1e-6 || std::abs(line.start.y - 50) < 1e-6))
      visibleOutline += Length(line);
  for (const Line2& line : LinesOf(content.hidden))
    if (IsHorizontal(line) && (std::abs(line.start.y - 10) < 1e-6 || std::abs(line.start.y - 50) < 1e-6))
      hiddenOutline += Length(line);
  EXPECT_NEAR(visibleOutline, 2 * 100, 1e-6);
  EXPECT_NEAR(hiddenOutline, 2 * 100, 1e-6);
}

}  // namespace

namespace {

// Every number a content's curves are drawn with, in order.
std::vector<double> Numbers(const std::vector<Curve2>& curves) {
  std::vector<double> numbers;
  for (const Curve2& curve : curves) {
    if (const auto* line = std::get_if<Line2>(&curve))
      numbers.insert(numbers.end(), {line->start.x, line->start.y, line->end.x, line->end.y});
    else if (const auto* arc = std::get_if<Arc2>(&curve))
      numbers.insert(numbers.end(), {arc->centre.x, arc->centre.y, arc->radius, arc->startAngle, arc->endAngle});
    else
      for (const Point2& p : std::get<Polyline2>(curve).points) numbers.insert(numbers.end(), {p.x, p.y});
  }
  return numbers;
}

}  // namespace

TEST(HlrMethods, APolygonalViewOverAnEarlierViewsMeshDrawsWhatAFreshMeshDraws) {
  // Later views keep the mesh an earlier one made when it is fine enough, and mesh again
  // when they need it finer: a view four times larger must not draw the holes with the
  // coarser polygons of the first view.
  const TopoDS_Shape reused = PlateWithHoles(200, 100, 10, 20, {{-50, 0}, {50, 0}});
  Project(reused, "Top", 1, HlrMethod::Polygonal);
  const struct { const char* view; double scale; } later[] = {{"Front", 1}, {"Isometric", 1}, {"Top", 4}, {"Front", 4}};
  for (const auto& step : later) {
    SCOPED_TRACE(std::string(step.view) + " at " + std::to_string(step.scale));
    const ViewContent over = Project(reused, step.view, step.scale, HlrMethod::Polygonal);
    const ViewContent fresh = Project(PlateWithHoles(200, 100, 10, 20, {{-50, 0}, {50, 0}}), step.view, step.scale,
                                      HlrMethod::Polygonal);
    EXPECT_FALSE(over.visible.empty());
    EXPECT_EQ(Numbers(over.visible), Numbers(fresh.visible));
    EXPECT_EQ(Numbers(over.hidden), Numbers(fresh.hidden));
  }
}
