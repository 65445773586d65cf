// Flat blanks as a cutting shop takes them: outline, holes and bend lines of plates,
// bent once or more, measured against the neutral-fibre length.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakeSphere.hxx>
#include <gp_Ax2.hxx>

#include "platform/base/host_error.h"
#include "platform/geometry/sheet_metal/bent_profile.h"
#include "platform/geometry/sheet_metal/flat_blank.h"
#include "platform/geometry/sheet_metal/flat_pattern.h"

using namespace platform::sheet_metal;

namespace {

int CountOf(const BlankLoop& loop, size_t index) {
  int n = 0;
  for (const BlankCurve& c : loop) n += c.index() == index;
  return n;
}

double NeutralArc(double deg, double r, double t) { return deg * std::numbers::pi / 180 * (r + kNeutralFactor * t); }

}  // namespace

TEST(FlatBlank, PlateWithHolesKeepsItsSizeAndHoles) {
  // 300 x 120 x 6 plate, tilted in space, with two through holes of 20 and 10 mm.
  TopoDS_Shape plate = BRepPrimAPI_MakeBox(300, 120, 6).Shape();
  plate = BRepAlgoAPI_Cut(plate, BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(50, 60, -1), gp::DZ()), 10, 8).Shape()).Shape();
  plate = BRepAlgoAPI_Cut(plate, BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(250, 30, -1), gp::DZ()), 5, 8).Shape()).Shape();
  gp_Trsf tilt;
  tilt.SetRotation(gp_Ax1(gp_Pnt(0, 0, 0), gp_Dir(1, 1, 0)), 0.7);
  plate.Move(TopLoc_Location(tilt));

  const FlatBlank blank = DevelopBlank(plate, "plate");
  EXPECT_NEAR(blank.thickness, 6, 1e-6);
  EXPECT_NEAR(blank.width, 300, 1e-6) << "the longest edge lies along X";
  EXPECT_NEAR(blank.height, 120, 1e-6);
  EXPECT_EQ(CountOf(blank.outer, 0), 4) << "four straight edges";
  ASSERT_EQ(blank.holes.size(), 2u);
  std::vector<double> radii;
  for (const BlankLoop& hole : blank.holes) {
    ASSERT_EQ(hole.size(), 1u) << "each hole is one full circle";
    const auto& circle = std::get<BlankArc>(hole.front());
    EXPECT_TRUE(circle.full);
    EXPECT_GT(circle.centre.x, circle.radius);
    EXPECT_LT(circle.centre.x, 300 - circle.radius);
    radii.push_back(circle.radius);
  }
  std::sort(radii.begin(), radii.end());
  EXPECT_NEAR(radii[0], 5, 1e-6);
  EXPECT_NEAR(radii[1], 10, 1e-6);
  EXPECT_TRUE(blank.bends.empty());
}

TEST(FlatBlank, PlateBentOnceUnfoldsToTheNeutralLength) {
  // t = r = 3, flats 100 + 150 along the mid-line, 300 wide, bent 90 degrees.
  BentProfile profile{3, 3, {100, 150}, {90}};
  const FlatBlank blank = DevelopBlank(BuildBentSection(profile, 300), "bent plate");
  const double length = 250 + NeutralArc(90, 3, 3);  // 256.27
  EXPECT_NEAR(std::min(blank.width, blank.height), length, 1e-6);
  EXPECT_NEAR(std::max(blank.width, blank.height), 300, 1e-6);
  ASSERT_EQ(blank.bends.size(), 1u);
  EXPECT_NEAR(blank.bends[0].angleDeg, 90, 1e-6);
  EXPECT_NEAR(blank.bends[0].innerRadius, 3, 1e-6);
  EXPECT_TRUE(blank.holes.empty());
  EXPECT_EQ(CountOf(blank.outer, 0), 4) << "one rectangle, the bend zone merged in";
  // The bend line runs across the blank, halfway through the bend zone.
  const BlankLine& line = blank.bends[0].line;
  EXPECT_NEAR(std::hypot(line.end.x - line.start.x, line.end.y - line.start.y), 300, 1e-6);
  const bool acrossX = std::abs(line.start.x - line.end.x) < 1e-6;
  const double at = acrossX ? line.start.x : line.start.y;
  const double fromShortEnd = std::min(at, length - at);
  EXPECT_NEAR(fromShortEnd, 100 + NeutralArc(90, 3, 3) / 2, 1e-6);
}

TEST(FlatBlank, ChannelBentTwiceHasTwoBendLines) {
  BentProfile profile{2, 4, {40, 120, 40}, {90, 90}};
  const FlatBlank blank = DevelopBlank(BuildBentSection(profile, 400), "channel");
  ASSERT_EQ(blank.bends.size(), 2u);
  EXPECT_NEAR(std::max(blank.width, blank.height), 400, 1e-6);
  EXPECT_NEAR(std::min(blank.width, blank.height), 200 + 2 * NeutralArc(90, 4, 2), 1e-6);
  for (const BlankBend& bend : blank.bends) EXPECT_NEAR(bend.innerRadius, 4, 1e-6);
}

TEST(FlatBlank, ABodyThatIsNoSheetIsRefusedByName) {
  try {
    DevelopBlank(BRepPrimAPI_MakeSphere(20).Shape(), "ball 7");
    FAIL() << "a sphere has no flat blank";
  } catch (const platform::HostError& e) {
    EXPECT_NE(std::string(e.what()).find("ball 7"), std::string::npos) << e.what();
  }
}
