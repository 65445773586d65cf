// What kind of surface a face lies on and of curve an edge follows, with the figures
// a CAD user reads off them (normal, axis, radius, end points, centroid).
#pragma once
#include <array>
#include <vector>

#include <TopoDS_Shape.hxx>

#include "platform/geometry/body.h"

namespace platform {

enum class SurfaceKind { Plane, Cylinder, Cone, Sphere, Torus, Revolution, Extrusion, Spline, Offset, Other };
enum class CurveKind { Line, Circle, Ellipse, Spline, Other };

using Vec3 = std::array<double, 3>;

struct FaceGeometry {
  SurfaceKind kind = SurfaceKind::Other;
  Vec3 point{};      // plane: the face's centroid; axis surfaces: on the axis; sphere: centre
  Vec3 direction{};  // plane: outward normal; cylinder, cone, torus, revolution: axis; else 0
  Box box;           // axis-aligned
  double radius = 0;     // cylinder, sphere, torus (major), cone (at `point`)
  double radiusData = 0; // cone: half angle in radians; torus: minor radius
  bool reversed = false; // the face's normal is opposite to its surface's
};

struct EdgeEnds {
  int vertexCount = 0;  // 2 open, 1 closed, 0 none
  Vec3 first{}, second{};
};

// `face` must be a face and `edge` an edge (HostError(WrongObjectType) otherwise).
FaceGeometry DescribeFace(const TopoDS_Shape& face);
// The kind of a face's surface alone, as DescribeFace gives it, without measuring the face.
SurfaceKind KindOfFace(const TopoDS_Shape& face);
CurveKind KindOfEdge(const TopoDS_Shape& edge);
EdgeEnds EndsOfEdge(const TopoDS_Shape& edge);
// The length-weighted centre of an edge: the middle of a line, the centre of a circle.
Vec3 CentroidOfEdge(const TopoDS_Shape& edge);
// The edges of a face, outer wire first, each wire in its connected order, each edge once.
std::vector<TopoDS_Shape> EdgesOfFace(const TopoDS_Shape& face);

}  // namespace platform
