// The attribute writer's Apply on a part of 2,000 bodies: selecting a body and pressing
// Apply searches every body for identical ones. The first time every body is measured
// (compared with the bare modeller evaluating the same 2,000 mass properties from the
// geometry); afterwards the host answers from the figures it keeps for each shape.
#include <filesystem>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepGProp.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <GProp_GProps.hxx>
#include <benchmark/benchmark.h>

#include "bench/support/addon_journal.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/ui/menu_bar.h"

using namespace platform;
using fabdoc_bench::RunJournal;
using fabdoc_bench::StartAddOn;

namespace {

constexpr int kBodies = 2000;

// Plates of 40 sizes and rectangular tubes of 10 lengths, every shape repeated: 50 bodies
// share each plate size, so Apply writes 50 bodies.
TopoDS_Shape Stock(int i) {
  const double x = (i % 50) * 400.0, y = (i / 50) * 400.0;
  if (i % 5 != 4) return BRepPrimAPI_MakeBox(gp_Pnt(x, y, 0), 100 + (i % 40), 50, 8).Shape();
  const double length = 600 + 10 * (i % 10);
  TopoDS_Shape outer = BRepPrimAPI_MakeBox(gp_Pnt(x, y, 0), 50, 30, length).Shape();
  TopoDS_Shape inner = BRepPrimAPI_MakeBox(gp_Pnt(x + 2, y + 2, -1), 46, 26, length + 2).Shape();
  return BRepAlgoAPI_Cut(outer, inner).Shape();
}

Part& MakePart() {
  Session::Get().Reset();
  Part& part = Session::Get().NewPart("\\tmp\\bench-2000.prt");
  for (int i = 0; i < kBodies; ++i) {
    auto body = std::make_unique<Body>(Stock(i));
    body->name = "B" + std::to_string(i);
    part.Add(std::move(body));
  }
  Session::Get().SetDisplayed(&part);
  return part;
}

const char* kApply = R"(
action attrV2
  select blockxuanzhe body:B7
  set blockPartName "plate"
  apply
  cancel
)";

// Fresh bodies every time: nothing is measured yet.
void FirstSelectAndApplyOn2000Bodies(benchmark::State& state) {
  StartAddOn();
  for (auto _ : state) {
    state.PauseTiming();
    MakePart();
    state.ResumeTiming();
    RunJournal(kApply);
  }
  Session::Get().Reset();
}

void SelectAndApplyOn2000Bodies(benchmark::State& state) {
  StartAddOn();
  MakePart();
  RunJournal(kApply);  // the first Apply measures every body once
  for (auto _ : state) RunJournal(kApply);
  Session::Get().Reset();
}

void BareModellerMassPropertiesOf2000Bodies(benchmark::State& state) {
  std::vector<TopoDS_Shape> shapes;
  for (int i = 0; i < kBodies; ++i) shapes.push_back(Stock(i));
  for (auto _ : state)
    for (const auto& shape : shapes) {
      GProp_GProps props;
      BRepGProp::VolumeProperties(shape, props);
      benchmark::DoNotOptimize(props.Mass());
    }
}

}  // namespace

BENCHMARK(FirstSelectAndApplyOn2000Bodies)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SelectAndApplyOn2000Bodies)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BareModellerMassPropertiesOf2000Bodies)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
