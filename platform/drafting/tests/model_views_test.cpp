#include "platform/drafting/model_views.h"

#include <cmath>
#include <set>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <gtest/gtest.h>

#include "platform/drafting/tests/drafting_shapes.h"
#include "platform/objects/host_error.h"

namespace {

using namespace platform::drafting;
using namespace drafting_test;

constexpr double kTol = 1e-6;

// A 100 mm cube centred on the origin with a blind hole, 10 deep, in each face. The holes
// differ in radius, so a circle tells which face it is on; each sits off the face's
// centre by +20 and +30 along the other two axes, in X, Y, Z order, so where it is drawn
// tells how the view is turned.
struct Hole {
  gp_Dir normal;
  double radius;
};
const Hole kHoles[] = {
    {gp_Dir(1, 0, 0), 2}, {gp_Dir(-1, 0, 0), 3}, {gp_Dir(0, 1, 0), 4},
    {gp_Dir(0, -1, 0), 5}, {gp_Dir(0, 0, 1), 6}, {gp_Dir(0, 0, -1), 7},
};

TopoDS_Shape CubeWithMarkedFaces() {
  TopoDS_Shape cube = Box(100, 100, 100, -50, -50, -50);
  for (const Hole& hole : kHoles) {
    // Offsets +20 and +30 along the two axes other than the normal, in X, Y, Z order.
    double offset[3] = {0, 0, 0};
    const double n[3] = {hole.normal.X(), hole.normal.Y(), hole.normal.Z()};
    int k = 0;
    for (int axis = 0; axis < 3; ++axis)
      if (n[axis] == 0) offset[axis] = k++ == 0 ? 20 : 30;
    const gp_Pnt rim(offset[0] + 50 * n[0], offset[1] + 50 * n[1], offset[2] + 50 * n[2]);
    const gp_Pnt start = rim.Translated(gp_Vec(hole.normal) * 10);  // 10 outside, 20 long
    cube = BRepAlgoAPI_Cut(cube, BRepPrimAPI_MakeCylinder(gp_Ax2(start, hole.normal.Reversed()), hole.radius, 20).Shape())
               .Shape();
  }
  return cube;
}

struct Expected {
  const char* view;
  double facingRadius, oppositeRadius;
  Point2 facingCentre, oppositeCentre;  // where the holes are drawn
};

// Derived by hand from how the host orients its views: Front looks along +Y with X right
// and Z up; Right looks along -X with Y right; Left along +X with -Y right; Back along -Y
// with -X right; Top along -Z with X right and Y up; Bottom along +Z with X right and -Y up.
const Expected kOrthographic[] = {
    {"Front", 5, 4, {20, 30}, {20, 30}},
    {"Back", 4, 5, {-20, 30}, {-20, 30}},
    {"Right", 2, 3, {20, 30}, {20, 30}},
    {"Left", 3, 2, {-20, 30}, {-20, 30}},
    {"Top", 6, 7, {20, 30}, {20, 30}},
    {"Bottom", 7, 6, {20, -30}, {20, -30}},
};

TEST(ModelViews, EachOrthographicViewSeesItsFaceTheRightWayUp) {
  const TopoDS_Shape cube = CubeWithMarkedFaces();
  for (const Expected& expected : kOrthographic) {
    SCOPED_TRACE(expected.view);
    const ViewContent content = Project(cube, expected.view);
    EXPECT_NEAR(content.box.Width(), 100, kTol);
    EXPECT_NEAR(content.box.Height(), 100, kTol);
    // The hole in the face towards the viewer: rim and floor are visible circles on top of
    // each other, drawn once. The hole in the opposite face: likewise, hidden, and of its
    // own radius.
    const auto visible = ArcsOf(content.visible);
    ASSERT_EQ(visible.size(), 1u);
    EXPECT_NEAR(visible[0].radius, expected.facingRadius, kTol);
    EXPECT_NEAR(visible[0].centre.x, expected.facingCentre.x, kTol);
    EXPECT_NEAR(visible[0].centre.y, expected.facingCentre.y, kTol);
    const auto hidden = ArcsOf(content.hidden);
    ASSERT_EQ(hidden.size(), 1u);
    EXPECT_NEAR(hidden[0].radius, expected.oppositeRadius, kTol);
    EXPECT_NEAR(hidden[0].centre.x, expected.oppositeCentre.x, kTol);
    EXPECT_NEAR(hidden[0].centre.y, expected.oppositeCentre.y, kTol);
  }
}

// A 100 x 60 x 40 box centred on the origin. Both pictorial views look from the top, front
// and right: the corner (50, -30, 20) is nearest the eye and its three edges are drawn,
// the corner (-50, 30, -20) is farthest and its edges are hidden.
TEST(ModelViews, PictorialViewsLookFromTopFrontRight) {
  const TopoDS_Shape box = Box(100, 60, 40, -50, -30, -20);
  for (const char* name : {"Isometric", "Trimetric"}) {
    SCOPED_TRACE(name);
    const ModelView& view = StandardModelView(name);
    EXPECT_GT(view.towardsViewer.Dot(gp_Dir(1, -1, 1)), 0.5);
    const ViewContent content = Project(box, name);
    auto endsAt = [](const std::vector<Curve2>& curves, const gp_Pnt& corner, const ModelView& v) {
      const gp_Vec c(corner.XYZ());
      const Point2 p{c.Dot(gp_Vec(v.screenX)), c.Dot(gp_Vec(v.ScreenY()))};
      int count = 0;
      for (const Line2& line : LinesOf(curves))
        for (const Point2& end : {line.start, line.end})
          if (std::hypot(end.x - p.x, end.y - p.y) < 1e-6) ++count;
      return count;
    };
    EXPECT_EQ(endsAt(content.visible, gp_Pnt(50, -30, 20), view), 3);
    EXPECT_EQ(endsAt(content.hidden, gp_Pnt(-50, 30, -20), view), 3);
    EXPECT_EQ(content.hidden.size(), 3u);
    EXPECT_EQ(content.visible.size(), 9u);  // six outline edges and the near corner's three
  }
}

TEST(ModelViews, IsometricShortensAllAxesAlikeAndTrimetricEachDifferently) {
  auto shortening = [](const ModelView& v, const gp_Dir& axis) {
    return std::hypot(axis.Dot(v.screenX), axis.Dot(v.ScreenY()));
  };
  const ModelView& iso = StandardModelView("Isometric");
  for (const gp_Dir& axis : {gp::DX(), gp::DY(), gp::DZ()}) EXPECT_NEAR(shortening(iso, axis), std::sqrt(2.0 / 3), 1e-12);
  // In the isometric view the Z axis is drawn straight up.
  EXPECT_NEAR(gp::DZ().Dot(iso.screenX), 0, 1e-12);

  const ModelView& tri = StandardModelView("Trimetric");
  const double x = shortening(tri, gp::DX()), y = shortening(tri, gp::DY()), z = shortening(tri, gp::DZ());
  EXPECT_GT(std::abs(x - y), 0.05);
  EXPECT_GT(std::abs(y - z), 0.05);
  EXPECT_GT(std::abs(x - z), 0.01);
  EXPECT_NEAR(gp::DZ().Dot(tri.screenX), 0, 1e-12);
}

TEST(ModelViews, EightNamedViewsAndAClearErrorForAnyOther) {
  std::set<std::string> names;
  for (const ModelView& view : StandardModelViews()) {
    names.insert(std::string(view.name));
    EXPECT_NEAR(view.towardsViewer.Dot(view.screenX), 0, 1e-12) << view.name;
  }
  EXPECT_EQ(names, (std::set<std::string>{"Front", "Top", "Right", "Left", "Back", "Bottom", "Isometric", "Trimetric"}));
  EXPECT_EQ(FindStandardModelView("front"), nullptr);  // names are exact
  try {
    StandardModelView("Side");
    FAIL() << "an unknown view was found";
  } catch (const platform::HostError& error) {
    EXPECT_EQ(error.Status(), platform::HostStatus::NotFound);
    EXPECT_NE(std::string(error.what()).find("\"Side\""), std::string::npos);
  }
}

}  // namespace
