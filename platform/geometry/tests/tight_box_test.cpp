// The tight box in closed form for torus and sphere faces against the modeller's own
// numerical optimal box: a pipe bend (torus), a ball and a filleted block (tori and
// spheres at every corner) in turned positions, and a real machined part from another
// CAD program (tests/data/README.md), whose 24 fillet tori made the search take 0.4 s.
#include <cmath>
#include <cstdlib>
#include <string>

#include <BRepAdaptor_Surface.hxx>
#include <BRepBndLib.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <BRepFilletAPI_MakeFillet.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeSphere.hxx>
#include <BRepPrimAPI_MakeTorus.hxx>
#include <Bnd_Box.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <gp_Ax3.hxx>
#include <gtest/gtest.h>

#include "platform/geometry/tight_box.h"

using namespace platform;

namespace {

// Both boxes, corner by corner: the optimal search stops within about 1e-7 of the extreme.
void ExpectSameAsOptimal(const TopoDS_Shape& shape, const std::string& what) {
  Bnd_Box tight, optimal;
  AddTightBox(shape, tight);
  BRepBndLib::AddOptimal(shape, optimal, false, false);
  double a[6], b[6];
  tight.Get(a[0], a[1], a[2], a[3], a[4], a[5]);
  optimal.Get(b[0], b[1], b[2], b[3], b[4], b[5]);
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(a[i], b[i], 1e-5) << what << " corner value " << i;
}

// The shape turned about a skew axis and moved, as a body lies in a work coordinate system.
TopoDS_Shape Turned(const TopoDS_Shape& shape, double angle) {
  gp_Trsf turn;
  turn.SetRotation(gp_Ax1(gp_Pnt(10, -20, 5), gp_Dir(0.3, -0.5, 0.8)), angle);
  return shape.Moved(TopLoc_Location(turn));
}

TopoDS_Shape FilletedBlock() {
  const TopoDS_Shape block = BRepPrimAPI_MakeBox(100, 60, 40).Shape();
  BRepFilletAPI_MakeFillet fillet(block);
  for (TopExp_Explorer e(block, TopAbs_EDGE); e.More(); e.Next()) fillet.Add(6, TopoDS::Edge(e.Current()));
  return fillet.Shape();
}

}  // namespace

TEST(TightBox, TorusSphereAndFilletFacesMatchTheOptimalBoxInAnyPosition) {
  // A quarter pipe bend: torus R 100, r 10 over 90 degrees; a ball r 25.
  const TopoDS_Shape bend = BRepPrimAPI_MakeTorus(gp_Ax2(gp_Pnt(0, 0, 0), gp::DZ()), 100, 10, M_PI / 2).Shape();
  const TopoDS_Shape ball = BRepPrimAPI_MakeSphere(gp_Pnt(5, 6, 7), 25).Shape();
  const TopoDS_Shape block = FilletedBlock();
  // Unturned, the bend's box is known: x and y from 0 - 10 (the tube's side) to 110, z +-10.
  Bnd_Box box;
  AddTightBox(bend, box);
  double x0, y0, z0, x1, y1, z1;
  box.Get(x0, y0, z0, x1, y1, z1);
  EXPECT_NEAR(x1, 110, 1e-9);
  EXPECT_NEAR(y1, 110, 1e-9);
  EXPECT_NEAR(z0, -10, 1e-9);
  EXPECT_NEAR(z1, 10, 1e-9);
  for (double angle : {0.0, 0.7, 2.1}) {
    ExpectSameAsOptimal(Turned(bend, angle), "bend at " + std::to_string(angle));
    ExpectSameAsOptimal(Turned(ball, angle), "ball at " + std::to_string(angle));
    ExpectSameAsOptimal(Turned(block, angle), "filleted block at " + std::to_string(angle));
  }
}

TEST(TightBox, ARealMachinedPartMatchesTheOptimalBox) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  TopoDS_Shape part;
  BRep_Builder builder;
  ASSERT_TRUE(BRepTools::Read(part, (std::string(source) + "/platform/geometry/tests/data/machined-part.brep").c_str(),
                              builder));
  int tori = 0;
  for (TopExp_Explorer e(part, TopAbs_FACE); e.More(); e.Next())
    tori += BRepAdaptor_Surface(TopoDS::Face(e.Current())).GetType() == GeomAbs_Torus;
  EXPECT_EQ(tori, 24);
  for (double angle : {0.0, 0.9, 2.5}) ExpectSameAsOptimal(Turned(part, angle), "machined part at " + std::to_string(angle));
}
