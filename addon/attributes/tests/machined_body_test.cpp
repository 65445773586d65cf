// The attribute writer on bodies that are not cut from stock: a real machined part from
// another CAD program, and a plate whose faces are all free-form. Only planar faces or
// analytic axes have a direction; free-form faces all compare as parallel, and the
// thickness is still the nearest of them that does not touch the largest face.
#include <cstdlib>
#include <memory>
#include <string>

#include <BRepBuilderAPI_NurbsConvert.hxx>
#include <BRepGProp.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <GProp_GProps.hxx>

#include "addon/host/tests/journal_fixture.h"
#include "platform/geometry/body.h"
#include "platform/text/host_path.h"

using namespace platform;

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
  const char* named = std::getenv("FABDOC_SOURCE_DIR");
  const std::string source = named ? named : FABDOC_TEST_SOURCE_DIR;
  TopoDS_Shape part;
  BRep_Builder builder;
  ASSERT_TRUE(BRepTools::Read(part, (source + "/platform/geometry/tests/data/machined-part.brep").c_str(),
                              builder));
  GProp_GProps volume;
  BRepGProp::VolumeProperties(part, volume);
  char mass[32];
  std::snprintf(mass, sizeof mass, "%.1f", volume.Mass() * 7.8e-3);
  ASSERT_STREQ(mass, "198.0");
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
