// Distances between free-form faces, measured by meshing and local refinement, against the
// modeller's exact global search on pairs where that ends: nearest points inside both
// faces, on their edges, crossing faces, and a free-form face against an analytic one.
#include <cmath>
#include <string>

#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepBuilderAPI_NurbsConvert.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakeSphere.hxx>
#include <BRepPrimAPI_MakeTorus.hxx>
#include <TopExp.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>
#include <gp_Ax1.hxx>
#include <gtest/gtest.h>

#include "platform/geometry/min_distance.h"
#include "platform/geometry/min_distance_free_form.h"

using namespace platform;

namespace {

// The shape turned about a skew axis and moved, so no face lies along the axes.
TopoDS_Shape Placed(const TopoDS_Shape& shape, double x, double y, double z, double turn) {
  gp_Trsf rotation, translation;
  rotation.SetRotation(gp_Ax1(gp_Pnt(0, 0, 0), gp_Dir(1, 2, 3)), turn);
  translation.SetTranslation(gp_Vec(x, y, z));
  return BRepBuilderAPI_Transform(shape, translation * rotation, true).Shape();
}

TopoDS_Face FaceOf(const TopoDS_Shape& shape, int index, bool freeForm = true) {
  const TopoDS_Shape source = freeForm ? BRepBuilderAPI_NurbsConvert(shape).Shape() : shape;
  TopTools_IndexedMapOfShape faces;
  TopExp::MapShapes(source, TopAbs_FACE, faces);
  return TopoDS::Face(faces(index));
}

double DistanceToFace(const std::array<double, 3>& p, const TopoDS_Face& face) {
  BRepExtrema_DistShapeShape d(BRepBuilderAPI_MakeVertex(gp_Pnt(p[0], p[1], p[2])).Vertex(), face);
  return d.Value();
}

// The distance and both points: the same as the exact search's distance, the points on
// their faces and as far apart as the distance says.
void ExpectSameAsExact(const TopoDS_Face& a, const TopoDS_Face& b, double tolerance, const std::string& what) {
  BRepExtrema_DistShapeShape exact(a, b, Extrema_ExtFlag_MIN);
  ASSERT_TRUE(exact.IsDone()) << what;
  const auto found = FreeFormFaceDistance(a, b);
  ASSERT_TRUE(found) << what;
  EXPECT_NEAR(found->value, exact.Value(), tolerance) << what;
  const gp_Pnt onA(found->onA[0], found->onA[1], found->onA[2]), onB(found->onB[0], found->onB[1], found->onB[2]);
  EXPECT_NEAR(onA.Distance(onB), found->value, 1e-9) << what;
  EXPECT_LT(DistanceToFace(found->onA, a), 1e-6) << what;
  EXPECT_LT(DistanceToFace(found->onB, b), 1e-6) << what;
}

}  // namespace

TEST(FreeFormDistance, MatchesTheExactSearchWhereThatEnds) {
  // A ball beside a turned pipe: the nearest points lie inside both faces.
  const TopoDS_Face ball = FaceOf(Placed(BRepPrimAPI_MakeSphere(12).Shape(), 40, 5, -3, 0.3), 1);
  const TopoDS_Face pipe = FaceOf(Placed(BRepPrimAPI_MakeCylinder(8, 60).Shape(), 0, 0, 0, 1.1), 1);
  ExpectSameAsExact(ball, pipe, 1e-6, "ball and pipe");
  // Two turned box sides whose nearest points lie on their edges.
  const TopoDS_Shape box = BRepPrimAPI_MakeBox(30, 20, 10).Shape();
  const TopoDS_Face side = FaceOf(Placed(box, 0, 0, 0, 0.7), 1);
  const TopoDS_Face other = FaceOf(Placed(box, 45, 31, 17, 2.1), 4);
  ExpectSameAsExact(side, other, 1e-6, "box sides");
  // A ring crossing a box side: distance 0.
  const TopoDS_Face ring = FaceOf(Placed(BRepPrimAPI_MakeTorus(25, 4).Shape(), 3, 4, 2, 0.4), 1);
  ExpectSameAsExact(ring, FaceOf(Placed(box, 0, 0, 0, 0.7), 3), 1e-6, "ring across a side");
  // A free-form ring against an analytic plane.
  ExpectSameAsExact(ring, FaceOf(Placed(box, 50, -20, 30, 0.2), 2, false), 1e-6, "ring and plane");
}

TEST(FreeFormDistance, FacePairsWithAFreeFormFaceAreMeasuredByTheBoundedSearch) {
  // The opposite sides of a converted plate lie 8 mm apart, through the host's measurement.
  const TopoDS_Shape plate = BRepBuilderAPI_NurbsConvert(BRepPrimAPI_MakeBox(100, 50, 8).Shape()).Shape();
  TopTools_IndexedMapOfShape faces;
  TopExp::MapShapes(plate, TopAbs_FACE, faces);
  ASSERT_TRUE(IsFreeForm(TopoDS::Face(faces(5))));
  ASSERT_FALSE(IsFreeForm(FaceOf(BRepPrimAPI_MakeBox(1, 1, 1).Shape(), 1, false)));
  MinDistance distance(faces(5), faces(6));
  ASSERT_TRUE(distance.Perform());
  EXPECT_NEAR(distance.Value(), 8, 1e-9);
  EXPECT_NEAR(std::abs(distance.PointOnA()[2] - distance.PointOnB()[2]), 8, 1e-9);
}
