// The attribute writer on bodies that are not cut from stock: a real machined part from
// another CAD program, and a plate whose faces are all free-form. Only planar faces or
// analytic axes have a direction; free-form faces all compare as parallel, and the
// thickness is still the nearest of them that does not touch the largest face.
// A real free-form body (182 faces, its largest face a B-spline) takes seconds: its
// pairs of free-form faces are measured on their meshes.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <BRepAdaptor_Surface.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_NurbsConvert.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <BRepBuilderAPI_Copy.hxx>
#include <BRepGProp.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <TopExp.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>

#include "addon/host/tests/journal_fixture.h"
#include "platform/files/step_import.h"
#include "platform/geometry/body.h"
#include "platform/geometry/min_distance_free_form.h"
#include "platform/text/host_path.h"

using namespace platform;

namespace {

double Area(const TopoDS_Shape& face) {
  GProp_GProps props;
  BRepGProp::SurfaceProperties(face, props);
  return props.Mass();
}

std::string Mass(const TopoDS_Shape& body) {
  GProp_GProps volume;
  BRepGProp::VolumeProperties(body, volume);
  char mass[32];
  std::snprintf(mass, sizeof mass, "%.1f", volume.Mass() * 7.8e-3);
  return mass;
}

}  // namespace

class MachinedBodies : public kzt_test::CommandTest {
protected:
  // The shape as the only body of a new displayed part, named `name`.
  void Show(const TopoDS_Shape& shape, const char* name) {
    Part& part = session().NewPart(ToHostPath(folder) + "\\machined.prt");
    auto body = std::make_unique<Body>(shape);
    body->name = name;
    part.Add(std::move(body));
    session().SetDisplayed(&part);
  }
};

TEST_F(MachinedBodies, ARealMachinedPartGetsItsPlateThicknessAndMass) {
  // 196 faces (40 planes, 100 cylinders, 32 spheres, 24 tori) written by another CAD
  // program. Its largest face is a plane; the nearest parallel plane lies 1/16 inch
  // (1.5875 mm) away. The mass is the modeller's volume at 7.8 g/cm^3.
  TopoDS_Shape part;
  BRep_Builder builder;
  ASSERT_TRUE(BRepTools::Read(part, (SourceDir() + "/platform/geometry/tests/data/machined-part.brep").c_str(),
                              builder));
  ASSERT_EQ(Mass(part), "198.0");
  Show(part, "M");
  Run(u8R"J(
action attrV2
  select blockxuanzhe body:M
  expect blockRiqi "38,89-127-1.6,198.0"
  cancel
)J");
}

TEST_F(MachinedBodies, AFreeFormPlateIsMeasuredAcrossItsThickness) {
  // Every face a B-spline surface: the four sides meet the largest face along its edges
  // (distance 0, never counted); the face opposite is 8 mm away.
  const TopoDS_Shape box = BRepPrimAPI_MakeBox(100, 50, 8).Shape();
  Show(BRepBuilderAPI_NurbsConvert(box).Shape(), "F");
  Run(u8R"J(
action attrV2
  select blockxuanzhe body:F
  expect blockRiqi "8,50-100-8.0,312.0"
  cancel
)J");
}

TEST_F(MachinedBodies, ARealFreeFormBodyIsMeasuredInSeconds) {
  // The compression machine's body of 182 faces whose largest face is a B-spline held in
  // 20 MB (40 MB for the body: too large a test file, so the STEP file is read). Of the
  // B-spline faces whose boxes reach the largest face's, two meet it along an edge (0,
  // never counted), a small one lies 0.94 mm away and a large one, whose exact search
  // does not end in minutes, about as far: the wall is 0.9 mm thick.
  const auto in = files::ReadStep(ToHostPath(SourceDir() + "/platform/files/tests/real-step/autodesk-compression.step"),
                                  ToHostPath(folder));
  TopoDS_Shape shape;
  for (Part* part : in.parts)
    for (const auto& object : part->Objects())
      if (auto* body = dynamic_cast<Body*>(object.get()); body && body->FaceCount() == 182) shape = body->Shape();
  ASSERT_FALSE(shape.IsNull());
  TopTools_IndexedMapOfShape faces;
  TopExp::MapShapes(shape, TopAbs_FACE, faces);
  int largest = 1;
  for (int i = 2; i <= faces.Extent(); ++i)
    if (Area(faces(i)) > Area(faces(largest))) largest = i;
  const TopoDS_Face top = TopoDS::Face(faces(largest));
  ASSERT_EQ(BRepAdaptor_Surface(top).GetType(), GeomAbs_BSplineSurface);
  TopTools_IndexedMapOfShape topEdges;
  TopExp::MapShapes(top, TopAbs_EDGE, topEdges);
  Bnd_Box topBox;
  BRepBndLib::Add(top, topBox);
  // The small faces facing it that share no edge with it, where the exact search ends;
  // those that touch it (0) never count.
  double nearest = 1e9;
  int compared = 0;
  for (int i = 1; i <= faces.Extent(); ++i) {
    const TopoDS_Face face = TopoDS::Face(faces(i));
    Bnd_Box box;
    BRepBndLib::Add(face, box);
    bool meets = false;
    TopTools_IndexedMapOfShape edges;
    TopExp::MapShapes(face, TopAbs_EDGE, edges);
    for (int e = 1; e <= edges.Extent(); ++e) meets = meets || topEdges.Contains(edges(e));
    if (i == largest || meets || topBox.IsOut(box) || BRepAdaptor_Surface(face).GetType() != GeomAbs_BSplineSurface ||
        Area(face) > Area(top) / 10)
      continue;
    BRepExtrema_DistShapeShape exact(top, face, Extrema_ExtFlag_MIN);
    ASSERT_TRUE(exact.IsDone());
    const auto bounded = FreeFormFaceDistance(top, face);
    ASSERT_TRUE(bounded);
    EXPECT_NEAR(bounded->value, exact.Value(), 1e-6);
    if (exact.Value() > 0) nearest = std::min(nearest, exact.Value());
    ++compared;
  }
  ASSERT_GE(compared, 1);
  char thickness[32];
  std::snprintf(thickness, sizeof thickness, "%.1f", nearest);
  ASSERT_STREQ(thickness, "0.9");
  Show(BRepBuilderAPI_Copy(shape).Shape(), "R");
  const std::string journal = "action attrV2\n  select blockxuanzhe body:R\n  expect blockRiqi \"21,21-394-" +
                              std::string(thickness) + "," + Mass(shape) + "\"\n  cancel\n";
  Run(reinterpret_cast<const char8_t*>(journal.c_str()));
}
