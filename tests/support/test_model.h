// Shared fixtures for platform tests: a fresh session and bodies built from primitives.
#pragma once
#include <string>

#include <gtest/gtest.h>

#include "platform/assemblies/occurrences.h"
#include "platform/geometry/body.h"
#include "platform/objects/part.h"
#include "platform/objects/session.h"

namespace fabdoc_test {

// Every test starts from an empty session and leaves one behind.
class SessionTest : public ::testing::Test {
protected:
  void SetUp() override { platform::Session::Get().Reset(); }
  void TearDown() override { platform::Session::Get().Reset(); }
  platform::Session& session() { return platform::Session::Get(); }
  platform::Occurrences& occurrences() { return platform::Occurrences::Get(); }
};

// A box body from (x, y, z) with sides dx, dy, dz, added to `part`.
platform::Body& AddBox(platform::Part& part, double x, double y, double z, double dx,
                       double dy, double dz, const std::string& name = "");
// A cylinder body of radius r and height h along +Z from (x, y, z).
platform::Body& AddCylinder(platform::Part& part, double x, double y, double z, double r,
                            double h, const std::string& name = "");
// A straight tube along +Z: rectangular outer section w x d, wall t, length l.
platform::Body& AddRectTube(platform::Part& part, double w, double d, double t, double l,
                            const std::string& name = "");
// A round pipe along +Z: outer diameter od, wall t, length l.
platform::Body& AddPipe(platform::Part& part, double od, double t, double l,
                        const std::string& name = "");

// An instance of the part file `partPath` in `into`, its instance and component both
// named `name`, placed by `at`.
platform::Instance& AddInstance(platform::Part& into, const std::string& partPath, const std::string& name,
                                const platform::Transform& at = platform::Transform::Identity());

// A small assembly in the folder `dir` (this machine's form), nothing saved: "top.prt"
// holds a pipe 48 x 3.5 x 300 named "pipe" and two instances, FRAME-1 and FRAME-2 300 mm
// apart, of "frame.prt", which holds a plate 100 x 50 x 8 "plate" and a tube "tube" of colour 6.
platform::Part& AddFrameAssembly(const std::string& dir);

// The axis-aligned box has these corners, to 1e-6 mm.
void ExpectBox(const platform::Box& box, std::array<double, 3> min, std::array<double, 3> max);

// A folder under the test temp dir, created empty.
std::string FreshDir(const std::string& name);

}  // namespace fabdoc_test
