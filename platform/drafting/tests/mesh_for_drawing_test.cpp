#include "platform/drafting/mesh_for_drawing.h"

#include <algorithm>
#include <array>
#include <vector>

#include <BRepAdaptor_Surface.hxx>
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepBuilderAPI_Copy.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRepPrimAPI_MakeCone.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakeTorus.hxx>
#include <BRep_Tool.hxx>
#include <Poly_Triangulation.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <gtest/gtest.h>

#include "platform/drafting/tests/drafting_shapes.h"

namespace {

using namespace platform::drafting;

struct FaceMesh {
  GeomAbs_SurfaceType surface = GeomAbs_OtherSurface;
  std::vector<std::array<double, 3>> nodes;  // sorted, where they lie in space
  double area = 0;                           // of the triangles
  double deflection = 0;
};

std::vector<FaceMesh> MeshesOf(const TopoDS_Shape& shape) {
  std::vector<FaceMesh> meshes;
  for (TopExp_Explorer it(shape, TopAbs_FACE); it.More(); it.Next()) {
    const TopoDS_Face& face = TopoDS::Face(it.Current());
    FaceMesh mesh;
    mesh.surface = BRepAdaptor_Surface(face, false).GetType();
    TopLoc_Location location;
    const Handle(Poly_Triangulation)& triangulation = BRep_Tool::Triangulation(face, location);
    if (!triangulation.IsNull()) {
      for (int i = 1; i <= triangulation->NbNodes(); ++i) {
        const gp_Pnt p = triangulation->Node(i);
        mesh.nodes.push_back({p.X(), p.Y(), p.Z()});
      }
      std::sort(mesh.nodes.begin(), mesh.nodes.end());
      for (int i = 1; i <= triangulation->NbTriangles(); ++i) {
        int a = 0, b = 0, c = 0;
        triangulation->Triangle(i).Get(a, b, c);
        const gp_Vec ab(triangulation->Node(a), triangulation->Node(b));
        const gp_Vec ac(triangulation->Node(a), triangulation->Node(c));
        mesh.area += ab.Crossed(ac).Magnitude() / 2;
      }
      mesh.deflection = triangulation->Deflection();
    }
    meshes.push_back(mesh);
  }
  return meshes;
}

TopoDS_Shape Pipe(double outer, double inner, double length) {
  return BRepAlgoAPI_Cut(BRepPrimAPI_MakeCylinder(outer, length).Shape(),
                         BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(0, 0, -1), gp::DZ()), inner, length + 2).Shape())
      .Shape();
}

// The polygonal views hide edges behind these triangles and draw outlines where their
// normals turn: meshed for drawing, a face must carry the nodes OCCT's default mesher
// places, its triangles must cover the face as that mesher's do, and no curved face may
// be meshed more coarsely.
TEST(MeshForDrawing, PlacesTheDefaultMeshersNodesAndCoversEveryFaceAsItDoes) {
  const std::vector<TopoDS_Shape> shapes = {
      drafting_test::PlateWithHoles(300, 120, 12, 18, {{-120, -30}, {-120, 30}, {120, -30}, {120, 30}}),
      Pipe(30, 26, 500),
      BRepPrimAPI_MakeCone(40, 10, 80).Shape(),
      BRepPrimAPI_MakeTorus(60, 15).Shape(),
  };
  for (double deflection : {0.05, 3.44}) {
    for (size_t s = 0; s < shapes.size(); ++s) {
      SCOPED_TRACE("shape " + std::to_string(s) + ", deflection " + std::to_string(deflection));
      const TopoDS_Shape ours = BRepBuilderAPI_Copy(shapes[s]).Shape();
      const TopoDS_Shape reference = BRepBuilderAPI_Copy(shapes[s]).Shape();
      MeshForDrawing(ours, deflection, 0.5);
      BRepMesh_IncrementalMesh(reference, deflection, false, 0.5);
      const std::vector<FaceMesh> got = MeshesOf(ours), want = MeshesOf(reference);
      ASSERT_EQ(got.size(), want.size());
      for (size_t f = 0; f < got.size(); ++f) {
        SCOPED_TRACE("face " + std::to_string(f));
        ASSERT_FALSE(got[f].nodes.empty()) << "face left without a mesh";
        EXPECT_EQ(got[f].nodes, want[f].nodes);
        if (got[f].surface == GeomAbs_Plane)
          EXPECT_NEAR(got[f].area, want[f].area, 1e-9 * want[f].area);
        else
          EXPECT_LE(got[f].deflection, want[f].deflection + 1e-9);
      }
    }
  }
}

}  // namespace
