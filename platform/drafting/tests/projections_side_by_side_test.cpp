// Views projected at once on several threads, sharing the same shapes, must draw exactly
// what they draw one after another.
#include "platform/drafting/projections_side_by_side.h"

#include <memory>

#include <gtest/gtest.h>

#include "platform/drafting/tests/drafting_shapes.h"

namespace {

using namespace platform::drafting;
using namespace drafting_test;

bool SamePoint(Point2 a, Point2 b) { return a.x == b.x && a.y == b.y; }

bool SameCurve(const Curve2& a, const Curve2& b) {
  if (a.index() != b.index()) return false;
  if (const auto* line = std::get_if<Line2>(&a)) {
    const auto& other = std::get<Line2>(b);
    return SamePoint(line->start, other.start) && SamePoint(line->end, other.end);
  }
  if (const auto* arc = std::get_if<Arc2>(&a)) {
    const auto& other = std::get<Arc2>(b);
    return SamePoint(arc->centre, other.centre) && arc->radius == other.radius &&
           arc->startAngle == other.startAngle && arc->endAngle == other.endAngle;
  }
  const auto& p = std::get<Polyline2>(a).points;
  const auto& q = std::get<Polyline2>(b).points;
  if (p.size() != q.size()) return false;
  for (size_t i = 0; i < p.size(); ++i)
    if (!SamePoint(p[i], q[i])) return false;
  return true;
}

void ExpectIdentical(const std::vector<Curve2>& actual, const std::vector<Curve2>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) EXPECT_TRUE(SameCurve(actual[i], expected[i])) << "curve " << i;
}

TEST(ProjectionsSideBySide, DrawWhatTheyDrawOneAfterAnother) {
  const TopoDS_Shape shapes[] = {SquareTube(60, 5, 200), PlateWithHoles(200, 100, 10, 20, {{-60, 0}, {60, 0}}),
                                 Box(300, 100, 10)};
  gp_Trsf apart;
  apart.SetTranslation(gp_Vec(500, 0, 0));
  struct Case {
    std::vector<PlacedBody> bodies;
    const char* view;
    HlrMethod method;
  };
  std::vector<Case> cases;
  // The same shapes in many views at once, two of them also by the polygonal algorithm.
  for (int round = 0; round < 3; ++round)
    for (const TopoDS_Shape& shape : shapes)
      for (const char* view : {"Front", "Top", "Left", "Isometric"})
        cases.push_back({{{shape, gp_Trsf()}}, view, HlrMethod::Exact});
  cases.push_back({{{shapes[0], gp_Trsf()}, {shapes[1], apart}}, "Isometric", HlrMethod::Polygonal});
  cases.push_back({{{shapes[1], gp_Trsf()}, {shapes[2], apart}}, "Front", HlrMethod::Polygonal});

  std::vector<std::unique_ptr<HiddenLineProjection>> together;
  std::vector<HiddenLineProjection*> pointers;
  for (const Case& c : cases) {
    together.push_back(std::make_unique<HiddenLineProjection>(c.bodies, StandardModelView(c.view), 0.5, c.method));
    pointers.push_back(together.back().get());
  }
  PerformSideBySide(pointers);
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE("case " + std::to_string(i) + ", " + cases[i].view);
    HiddenLineProjection alone(cases[i].bodies, StandardModelView(cases[i].view), 0.5, cases[i].method);
    ASSERT_TRUE(alone.Perform());
    ASSERT_TRUE(together[i]->IsDone()) << together[i]->Failure();
    EXPECT_EQ(together[i]->MethodUsed(), cases[i].method);
    ExpectIdentical(together[i]->Content().visible, alone.Content().visible);
    ExpectIdentical(together[i]->Content().hidden, alone.Content().hidden);
  }
}

TEST(ProjectionsSideBySide, AFailedProjectionLeavesTheOthersDone) {
  HiddenLineProjection empty({}, StandardModelView("Front"), 1);
  HiddenLineProjection block({{Box(10, 20, 30), gp_Trsf()}}, StandardModelView("Front"), 1);
  HiddenLineProjection nullShape({{TopoDS_Shape(), gp_Trsf()}}, StandardModelView("Top"), 1);
  PerformSideBySide({&empty, &block, &nullShape});
  EXPECT_FALSE(empty.IsDone());
  EXPECT_NE(empty.Failure().find("no body with faces"), std::string::npos) << empty.Failure();
  ASSERT_TRUE(block.IsDone());
  EXPECT_EQ(block.Content().visible.size(), 4u);
  EXPECT_FALSE(nullShape.IsDone());
  PerformSideBySide({});
}

TEST(ProjectionsSideBySide, OnlyExactProjectionsOfPlanarBodiesShareTheCores) {
  // The outliner (curved faces) and meshing (polygonal) write to the shapes and to OCCT's
  // statics; the exact algorithm on planar bodies only reads.
  const TopoDS_Shape tube = SquareTube(60, 5, 200);
  const TopoDS_Shape plate = PlateWithHoles(200, 100, 10, 20, {{0, 0}});
  const ModelView& front = StandardModelView("Front");
  EXPECT_TRUE(HiddenLineProjection({{tube, gp_Trsf()}, {Box(5, 5, 5), gp_Trsf()}}, front, 1).RunsAlongsideOthers());
  EXPECT_FALSE(HiddenLineProjection({{tube, gp_Trsf()}, {plate, gp_Trsf()}}, front, 1).RunsAlongsideOthers());
  EXPECT_FALSE(HiddenLineProjection({{tube, gp_Trsf()}}, front, 1, HlrMethod::Polygonal).RunsAlongsideOthers());
}

}  // namespace
