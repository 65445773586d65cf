// Unfolding bent plates: flat lengths from the neutral-fibre rule, volumes, placement
// in the stationary face's plane, and the bodies that cannot be unfolded.
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepFilletAPI_MakeFillet.hxx>
#include <BRepGProp.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <GProp_GProps.hxx>
#include <ShapeUpgrade_UnifySameDomain.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

#include "platform/geometry/sheet_metal/bent_profile.h"
#include "platform/base/host_error.h"
#include "platform/geometry/body.h"
#include "platform/geometry/sheet_metal/flat_pattern.h"

namespace {

using platform::sheet_metal::BentProfile;
using platform::sheet_metal::BuildBentSection;
using platform::sheet_metal::FlatPattern;
using platform::sheet_metal::Unfold;

double Area(const TopoDS_Face& face) {
  GProp_GProps props;
  BRepGProp::SurfaceProperties(face, props);
  return props.Mass();
}

// The first planar face of largest area, as the add-on picks the stationary face.
TopoDS_Face LargestPlanarFace(const TopoDS_Shape& shape) {
  TopoDS_Face best;
  for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next()) {
    const TopoDS_Face face = TopoDS::Face(e.Current());
    if (BRepAdaptor_Surface(face).GetType() == GeomAbs_Plane && (best.IsNull() || Area(face) > Area(best) + 1e-6))
      best = face;
  }
  return best;
}

// The planar face whose plane has the given normal component and offset (n . p = offset).
TopoDS_Face PlaneFace(const TopoDS_Shape& shape, const gp_Dir& normal, double offset) {
  for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next()) {
    const TopoDS_Face face = TopoDS::Face(e.Current());
    BRepAdaptor_Surface s(face);
    if (s.GetType() != GeomAbs_Plane) continue;
    const gp_Pln plane = s.Plane();
    if (std::abs(std::abs(plane.Axis().Direction().Dot(normal)) - 1) < 1e-9 &&
        std::abs(gp_Vec(plane.Location().XYZ()).Dot(gp_Vec(normal)) - offset) < 1e-6)
      return face;
  }
  ADD_FAILURE() << "no planar face at offset " << offset;
  return {};
}

std::array<double, 3> SortedExtents(const TopoDS_Shape& shape) {
  auto size = platform::ComputeAxisBox(shape).Size();
  std::sort(size.begin(), size.end());
  return size;
}

double Volume(const TopoDS_Shape& shape) { return platform::ComputeMassProperties(shape, 1).volume; }

// Straight lengths plus one neutral arc per 90-degree bend: (pi/2)(r + k t).
double FlatLength(const BentProfile& p) {
  double length = 0;
  for (double flat : p.flats) length += flat;
  return length + p.bendsDeg.size() * (M_PI / 2) * (p.innerRadius + 0.33 * p.thickness);  // the host default k
}

void ExpectBlank(const BentProfile& profile, double width, const char* what) {
  SCOPED_TRACE(what);
  const TopoDS_Shape body = BuildBentSection(profile, width);
  const FlatPattern flat = Unfold(body, LargestPlanarFace(body), what);
  const double length = FlatLength(profile);
  EXPECT_NEAR(flat.thickness, profile.thickness, 1e-9);
  EXPECT_EQ(flat.bends.size(), profile.bendsDeg.size());
  const auto extents = SortedExtents(flat.solid);
  EXPECT_NEAR(extents[0], profile.thickness, 1e-6);
  EXPECT_NEAR(extents[1], std::min(length, width), 1e-6);
  EXPECT_NEAR(extents[2], std::max(length, width), 1e-6);
  EXPECT_NEAR(Volume(flat.solid), profile.thickness * width * length, 1e-4 * profile.thickness * width * length);
}

TEST(Unfold, OneBendLaysBothWallsAndTheNeutralArcInTheStationaryPlane) {
  // 角板: t 3, r 3, walls 100 and 150, width 300. The first wall runs along +X with
  // its faces at z = -1.5 and z = 1.5; the bend turns it up (+Z).
  const BentProfile profile{3, 3, {100, 150}, {90}};
  const TopoDS_Shape body = BuildBentSection(profile, 300);
  // From either face of the first wall the blank lies over z in [-1.5, 1.5], starts at
  // x = 0 and runs 100 + (pi/2)(3 + 0.33 * 3) + 150 = 256.2675 mm along +X.
  const double length = 250 + (M_PI / 2) * (3 + 0.99);
  for (double offset : {-1.5, 1.5}) {
    SCOPED_TRACE(offset);
    const FlatPattern flat = Unfold(body, PlaneFace(body, gp::DZ(), offset), "angle plate");
    ASSERT_EQ(flat.bends.size(), 1u);
    EXPECT_NEAR(flat.bends[0].innerRadius, 3, 1e-9);
    EXPECT_NEAR(flat.bends[0].angle, M_PI / 2, 1e-9);
    const platform::Box box = platform::ComputeAxisBox(flat.solid);
    EXPECT_NEAR(box.min[0], 0, 1e-6);
    EXPECT_NEAR(box.max[0], length, 1e-6);
    EXPECT_NEAR(box.min[1], 0, 1e-6);
    EXPECT_NEAR(box.max[1], 300, 1e-6);
    EXPECT_NEAR(box.min[2], -1.5, 1e-6);
    EXPECT_NEAR(box.max[2], 1.5, 1e-6);
    // t x width x flat length = 3 * 300 * 256.2675.
    EXPECT_NEAR(Volume(flat.solid), 3 * 300 * length, 1e-3);
  }
}

TEST(Unfold, TheExampleProductsBentBodiesGiveTheirFlatBlanks) {
  // Blank = thickness x width x (sum of flats + bends * (pi/2)(r + 0.33 t)), as in
  // docs/example-product.md:
  //   角板   3 x 300 x (250 + 1 * (pi/2) * 3.99) = 3 x 300 x 256.27
  //   槽板   3 x 400 x (320 + 2 * (pi/2) * 3.99) = 3 x 400 x 332.53
  //   卷边板 2 x 500 x (270 + 3 * (pi/2) * 2.66) = 2 x 500 x 282.53
  //   C型板  2 x 600 x (260 + 4 * (pi/2) * 2.66) = 2 x 600 x 276.71
  //   弯扁钢 8 x  50 x (450 + 1 * (pi/2) * 10.64) = 8 x 50 x 466.71
  ExpectBlank({3, 3, {100, 150}, {90}}, 300, "one bend");
  ExpectBlank({3, 3, {60, 200, 60}, {90, 90}}, 400, "two bends");
  ExpectBlank({2, 2, {20, 50, 150, 50}, {90, 90, 90}}, 500, "three bends");
  ExpectBlank({2, 2, {20, 50, 120, 50, 20}, {90, 90, 90, 90}}, 600, "four bends");
  ExpectBlank({8, 8, {150, 300}, {90}}, 50, "bent flat bar");
}

TEST(Unfold, BendsOfOtherAnglesAndDirectionsUseTheirOwnArc) {
  // A zig-zag: +45 then -120 degrees, t 4, r 6: neutral arcs (pi/4)(6 + 1.32) and
  // (2 pi/3)(6 + 1.32), flats 80 + 40 + 60.
  const BentProfile profile{4, 6, {80, 40, 60}, {45, -120}};
  const TopoDS_Shape body = BuildBentSection(profile, 100);
  const FlatPattern flat = Unfold(body, LargestPlanarFace(body), "zig-zag");
  const double length = 180 + (M_PI / 4 + 2 * M_PI / 3) * (6 + 0.33 * 4);
  EXPECT_NEAR(SortedExtents(flat.solid)[2], length, 1e-6);
  EXPECT_NEAR(Volume(flat.solid), 4 * 100 * length, 1e-3);
}

TEST(Unfold, AFlatPlateUnfoldsToItself) {
  // 底板 10 x 200 x 400 from the origin, stationary face its top (z = 10).
  const TopoDS_Shape plate = BRepPrimAPI_MakeBox(400, 200, 10).Shape();
  const FlatPattern flat = Unfold(plate, PlaneFace(plate, gp::DZ(), 10), "plate");
  EXPECT_NEAR(flat.thickness, 10, 1e-9);
  EXPECT_TRUE(flat.bends.empty());
  const platform::Box box = platform::ComputeAxisBox(flat.solid);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(box.min[i], 0, 1e-6);
  EXPECT_NEAR(box.max[0], 400, 1e-6);
  EXPECT_NEAR(box.max[1], 200, 1e-6);
  EXPECT_NEAR(box.max[2], 10, 1e-6);
  EXPECT_NEAR(Volume(flat.solid), 800000, 1e-3);
}

// Runs `unfold` and checks that it is refused with a message naming the body and `why`.
void ExpectRefused(const std::function<void()>& unfold, const std::string& why) {
  try {
    unfold();
    ADD_FAILURE() << "not refused: " << why;
  } catch (const platform::HostError& e) {
    EXPECT_EQ(e.Status(), platform::HostStatus::ModellingFailed);
    EXPECT_NE(std::string(e.what()).find("body 42"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
  }
}

TEST(Unfold, RefusesWhatIsNotASheetOfWallsAndBends) {
  // A wedge: the triangular prism's sloping face has no parallel face.
  BRepBuilderAPI_MakePolygon triangle(gp_Pnt(0, 0, 0), gp_Pnt(50, 0, 0), gp_Pnt(0, 0, 30), true);
  const TopoDS_Shape wedge =
      BRepPrimAPI_MakePrism(BRepBuilderAPI_MakeFace(triangle.Wire(), true).Face(), gp_Vec(0, 80, 0)).Shape();
  ExpectRefused([&] { Unfold(wedge, LargestPlanarFace(wedge), "body 42"); }, "no planar face parallel");

  // A disc 20 thick whose top rim is rounded: the round (a torus) continues the top face.
  const TopoDS_Shape cylinder = BRepPrimAPI_MakeCylinder(50, 20).Shape();
  BRepFilletAPI_MakeFillet rounded(cylinder);
  for (TopExp_Explorer e(cylinder, TopAbs_EDGE); e.More(); e.Next()) {
    BRepAdaptor_Curve curve(TopoDS::Edge(e.Current()));
    if (curve.GetType() == GeomAbs_Circle && curve.Circle().Location().Z() > 19) rounded.Add(5, TopoDS::Edge(e.Current()));
  }
  const TopoDS_Shape disc = rounded.Shape();
  ExpectRefused([&] { Unfold(disc, PlaneFace(disc, gp::DZ(), 20), "body 42"); }, "neither planar nor cylindrical");

  // A stepped plate: 10 thick over x in [0, 150], 5 thick over [150, 200], one flat
  // bottom. The nearest parallel face gives 5; the thick part's bottom is not 5 deep.
  BRepAlgoAPI_Fuse steps(BRepPrimAPI_MakeBox(150, 50, 10).Shape(),
                         BRepPrimAPI_MakeBox(gp_Pnt(150, 0, 0), 50, 50, 5).Shape());
  ShapeUpgrade_UnifySameDomain unify(steps.Shape(), true, true, false);
  unify.Build();
  const TopoDS_Shape stepped = unify.Shape();
  ExpectRefused([&] { Unfold(stepped, PlaneFace(stepped, gp::DZ(), 0), "body 42"); }, "thickness is not 5");
}

}  // namespace
