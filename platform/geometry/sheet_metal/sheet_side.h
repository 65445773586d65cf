// The side of a sheet a face lies on: the faces tangent-connected to it, and the
// sheet's thickness measured from it.
#pragma once
#include <string>

#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Dir.hxx>
#include <gp_Pnt.hxx>

namespace platform::sheet_metal {

// Normals closer than this (about 0.8 degrees) count as the same direction.
constexpr double kParallelCosine = 0.9999;

// The outward normal of a face at a point on (or next to) it.
gp_Dir OutwardNormal(const TopoDS_Face& face, const gp_Pnt& point);
// A point well inside a face (the middle of its parameter range, else a vertex).
gp_Pnt PointOnFace(const TopoDS_Face& face);
gp_Pnt EdgeMidpoint(const TopoDS_Edge& edge);

// Distance from a planar face to the nearest parallel planar face on its material side;
// HostError naming `bodyLabel` when there is none.
double MeasureThickness(const TopoDS_Shape& body, const TopoDS_Face& face, const std::string& bodyLabel);

// Whether the body's material runs exactly `thickness` deep behind the face's point.
bool ThicknessHolds(const TopoDS_Shape& body, const TopoDS_Face& face, double thickness);

// Whether two faces meet smoothly (same outward normal) along their common edge.
bool TangentAcross(const TopoDS_Face& a, const TopoDS_Face& b, const TopoDS_Edge& edge);

// Edge -> faces map of a body.
TopTools_IndexedDataMapOfShapeListOfShape EdgeFaceMap(const TopoDS_Shape& body);

}  // namespace platform::sheet_metal
