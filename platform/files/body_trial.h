#pragma once
// What the host will do with a body once it holds it, tried first where a crash or a hang
// costs nothing (a child process, files/isolated_run.h): the shape's structure, writing
// it back and reading that again, its measurements, and the probes the unfold makes.
#include <string>

#include <TopoDS_Shape.hxx>

#include "platform/geometry/body.h"

namespace platform::files {

// Bodies that passed the trial are trusted by their bytes (files/trusted_bodies.h): raise
// this whenever the trial checks more, so that bodies an older trial passed are tried again.
constexpr int kBodyTrialRevision = 3;

// Empty when the host can keep, measure and save the shape; else what failed. A null
// shape (a body without geometry) passes. `measured`, when given, gets the mass
// properties (steel) the trial took, left as it was when it took none. May crash or
// hang on a damaged shape: call it in isolation only.
std::string BodyTrialFault(const TopoDS_Shape& shape, MassProperties* measured = nullptr);

}  // namespace platform::files
