// The attribute writer on real machined bodies: select a body, type its stock type, Apply,
// as a user describes each body of an imported model. The bodies come from a STEP file
// written by another CAD program (by default the compression machine of the real-file
// tests; FABDOC_MACHINED_STEP names another, a STEP file or a .brep of solids, which a
// profiler reads in a moment); every body of up to 500 faces with at least 100 is taken,
// each fresh, so nothing of it is measured before. Each body is a benchmark of its own:
// of the default file's two, /0 is machined (196 faces); /1 (182 faces) has a free-form
// largest face and takes seconds (docs/addon.md): run
// --benchmark_filter=DescribeAMachinedBody/0 for the machined part alone.
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <BRepBuilderAPI_Copy.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <TopExp_Explorer.hxx>
#include <benchmark/benchmark.h>

#include "bench/support/addon_journal.h"
#include "platform/files/step_import.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/host_path.h"

using namespace platform;
using fabdoc_bench::RunJournal;
using fabdoc_bench::StartAddOn;

namespace {

constexpr int kMinFaces = 100, kMaxFaces = 500;

// The machined bodies of the file: their shapes, read once.
const std::vector<TopoDS_Shape>& MachinedShapes() {
  static const std::vector<TopoDS_Shape> shapes = [] {
    const char* named = std::getenv("FABDOC_MACHINED_STEP");
    const std::string file =
        named ? named : std::string(FABDOC_SOURCE_DIR) + "/platform/files/tests/real-step/autodesk-compression.step";
    std::vector<TopoDS_Shape> found;
    if (file.ends_with(".brep")) {
      TopoDS_Shape all;
      BRep_Builder builder;
      BRepTools::Read(all, file.c_str(), builder);
      for (TopExp_Explorer solid(all, TopAbs_SOLID); solid.More(); solid.Next())
        if (const int faces = Body(solid.Current()).FaceCount(); faces >= kMinFaces && faces <= kMaxFaces)
          found.push_back(solid.Current());
      return found;
    }
    const files::StepImport in = files::ReadStep(ToHostPath(file), ToHostPath("/tmp/machined-body-bench"));
    for (Part* part : in.parts)
      for (const auto& object : part->Objects())
        if (auto* body = dynamic_cast<Body*>(object.get());
            body && body->FaceCount() >= kMinFaces && body->FaceCount() <= kMaxFaces)
          found.push_back(body->Shape());
    Session::Get().Reset();
    return found;
  }();
  return shapes;
}

// The body numbered by the benchmark's argument, alone in a part and fresh each time:
// describing it measures it from its geometry. The time per iteration is the time per body.
void DescribeAMachinedBody(benchmark::State& state) {
  StartAddOn();
  const auto& shapes = MachinedShapes();
  const size_t which = static_cast<size_t>(state.range(0));
  int faces = 0;
  const Body* described = nullptr;
  for (auto _ : state) {
    state.PauseTiming();
    Session::Get().Reset();
    Part& part = Session::Get().NewPart("\\tmp\\machined.prt");
    // A copy: a new shape, of which the host has measured nothing yet.
    auto body = std::make_unique<Body>(BRepBuilderAPI_Copy(shapes[which]).Shape());
    body->name.assign(1, 'M');  // (GCC 12 warns falsely on assigning a literal here)
    faces = body->FaceCount();
    described = body.get();
    part.Add(std::move(body));
    Session::Get().SetDisplayed(&part);
    state.ResumeTiming();
    // Journals are UTF-8, and this file's literals are compiled to GBK: the stock type
    // 钢板 (plate) is spelt out in UTF-8.
    RunJournal("action attrV2\n  select blockxuanzhe body:M\n"
               "  set blockgunge \"\xE9\x92\xA2\xE6\x9D\xBF\"\n"
               "  set blockPartName \"machined\"\n  apply\n  cancel\n");
  }
  state.counters["faces"] = faces;
  // What was written, to compare runs: the envelope (extents, thickness, mass).
  if (const std::string* envelope = described ? described->attributes.Find("DATE") : nullptr) state.SetLabel(*envelope);
  Session::Get().Reset();
}

}  // namespace

// One benchmark for each body of the file, numbered in the order the file holds them.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  for (size_t i = 0; i < MachinedShapes().size(); ++i)
    benchmark::RegisterBenchmark("DescribeAMachinedBody", DescribeAMachinedBody)
        ->Arg(static_cast<int64_t>(i))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
