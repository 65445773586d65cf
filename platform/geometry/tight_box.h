// The tight axis-aligned box of a shape from its exact geometry. The modeller's optimal
// box searches every curved surface numerically; a torus fillet takes a fifth of a second
// that way. Here a torus or sphere face is bounded by its edges (curves are quick to
// bound) and by the few points inside it where a coordinate is extreme, found in closed
// form; other faces, edges and vertices go to the modeller's optimal box as before.
#pragma once
#include <Bnd_Box.hxx>
#include <TopoDS_Shape.hxx>

namespace platform {

// Adds the shape's tight box to `box` (no tolerance added).
void AddTightBox(const TopoDS_Shape& shape, Bnd_Box& box);

}  // namespace platform
