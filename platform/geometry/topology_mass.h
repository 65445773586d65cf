// Mass properties of bodies, faces and edges in the units of the platform (mm, g), for
// the modeller interface. Faces and edges have unit density: their "mass" is their
// area (mm^2) or length (mm).
#pragma once
#include <array>
#include <vector>

#include <TopoDS_Shape.hxx>

#include "platform/geometry/body.h"

namespace platform {

struct TopologyMass {
  double amount = 0;     // volume mm^3, area mm^2 or length mm
  double mass = 0;       // g for bodies; equal to amount for faces and edges
  double periphery = 0;  // a body's surface area (mm^2), a face's boundary length (mm)
  std::array<double, 3> centroid{};
  std::array<double, 9> inertia{};  // about the centroid, mass x mm^2, row by row
};

// One body, from the figures it caches until its shape changes; its surface area
// (the periphery) is only integrated when asked for.
TopologyMass MassOfBody(const Body& body, bool withInertia, bool withPeriphery);
// One face or edge.
TopologyMass MassOfTopology(const TopoDS_Shape& faceOrEdge, bool withInertia);
// Several together: amounts and masses add, the centroid is mass-weighted and the
// inertia is taken about it (parallel axes).
TopologyMass Combine(const std::vector<TopologyMass>& parts);

}  // namespace platform
