// The mesher's default triangulator (BRepMesh_Delaun) spends about a tenth of a
// millisecond on every face, however few its nodes, and grows slowly with them; the
// Delabella triangulator places the same nodes (the same edge polygons, the same nodes
// inside curved faces) in about two thirds of the time. Only the triangles joining the
// nodes of a planar face may differ, and a planar face draws no outline.
#include "platform/drafting/mesh_for_drawing.h"

#include <BRepMesh_Context.hxx>
#include <BRepMesh_DelabellaMeshAlgoFactory.hxx>
#include <BRepMesh_FaceDiscret.hxx>
#include <BRepMesh_IncrementalMesh.hxx>

namespace platform::drafting {

void MeshForDrawing(const TopoDS_Shape& shape, double deflection, double angle) {
  Handle(BRepMesh_Context) context = new BRepMesh_Context();
  context->SetFaceDiscret(new BRepMesh_FaceDiscret(new BRepMesh_DelabellaMeshAlgoFactory()));
  BRepMesh_IncrementalMesh mesher;
  mesher.SetShape(shape);
  IMeshTools_Parameters& parameters = mesher.ChangeParameters();
  parameters.Deflection = deflection;
  parameters.Angle = angle;
  parameters.Relative = false;
  parameters.InParallel = false;
  mesher.Perform(context);
}

}  // namespace platform::drafting
