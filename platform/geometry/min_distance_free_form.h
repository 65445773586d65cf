// The smallest distance between two faces when either is free-form (B-spline, Bezier,
// offset and other non-analytic surfaces), in bounded time: the modeller's exact global
// search on such a pair can run for many minutes. Both faces are meshed, the nearest pair
// of triangles found in their box trees, and the modeller's local search refines from
// there. The answer is always the distance between two points of the faces: exact where
// the local search converges inside both faces, otherwise within the two meshes'
// deflections of it. Faces within their tolerances of each other are at distance 0.
#pragma once
#include <array>
#include <optional>

#include <TopoDS_Face.hxx>
#include <gp_Pnt.hxx>

namespace platform {

inline std::array<double, 3> Coordinates(const gp_Pnt& p) { return {p.X(), p.Y(), p.Z()}; }

struct FaceDistance {
  double value = 0;
  std::array<double, 3> onA{}, onB{};
};

// True when the face's surface is not one of plane, cylinder, cone, sphere, torus.
bool IsFreeForm(const TopoDS_Face& face);

// Nothing when either face cannot be meshed.
std::optional<FaceDistance> FreeFormFaceDistance(const TopoDS_Face& a, const TopoDS_Face& b);

}  // namespace platform
