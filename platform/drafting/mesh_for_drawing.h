// Meshing a shape for the polygonal hidden-line algorithm with OCCT's incremental mesher.
#pragma once
#include <TopoDS_Shape.hxx>

namespace platform::drafting {

// Meshes every face of `shape` not yet meshed finely enough, to `deflection` (absolute,
// model units) and `angle` (radians); the mesh stays on the shape. Safe on several
// threads at once for distinct shapes.
void MeshForDrawing(const TopoDS_Shape& shape, double deflection, double angle);

}  // namespace platform::drafting
