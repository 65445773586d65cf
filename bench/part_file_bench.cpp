// Part file save and load, and mass properties, on a part of 1,000 bodies
// (plates, rectangular tubes and pipes: 6 to 10 faces each, curved faces included).
#include <filesystem>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRep_Builder.hxx>
#include <BinTools.hxx>
#include <TopoDS_Compound.hxx>
#include <sstream>
#include <benchmark/benchmark.h>
#include "bench/support/scratch_dir.h"

#include "platform/files/part_file.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/host_path.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

constexpr int kBodies = 1000;

TopoDS_Shape Stock(int i) {
  const double x = (i % 40) * 150.0, y = (i / 40) * 150.0;
  switch (i % 3) {
    case 0: return BRepPrimAPI_MakeBox(gp_Pnt(x, y, 0), 100 + i % 7, 50, 8).Shape();
    case 1: {
      TopoDS_Shape outer = BRepPrimAPI_MakeBox(gp_Pnt(x, y, 0), 50, 30, 600).Shape();
      TopoDS_Shape inner = BRepPrimAPI_MakeBox(gp_Pnt(x + 2, y + 2, -1), 46, 26, 602).Shape();
      return BRepAlgoAPI_Cut(outer, inner).Shape();
    }
    default: {
      TopoDS_Shape outer = BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(x, y, 0), gp::DZ()), 24, 600).Shape();
      TopoDS_Shape inner = BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(x, y, -1), gp::DZ()), 20.5, 602).Shape();
      return BRepAlgoAPI_Cut(outer, inner).Shape();
    }
  }
}

Part& MakePart(const std::string& hostPath) {
  Part& part = Session::Get().NewPart(hostPath);
  for (int i = 0; i < kBodies; ++i) {
    auto body = std::make_unique<Body>(Stock(i));
    body->name = "B" + std::to_string(i);
    body->attributes.Set("DB_PART_NAME", "B" + std::to_string(i));
    part.Add(std::move(body));
  }
  return part;
}

std::string BenchFile() {
  static const fabdoc_bench::ScratchDir dir("fabdoc-bench");
  return (dir.path() / "thousand.prt").string();
}

void SaveThousandBodies(benchmark::State& state) {
  Session::Get().Reset();
  const std::string file = BenchFile();
  Part& part = MakePart(ToHostPath(file));
  for (auto _ : state) files::SavePart(part, part.path);
  state.counters["file_MB"] = fs::file_size(file) / 1e6;
  Session::Get().Reset();
}

void LoadThousandBodies(benchmark::State& state) {
  Session::Get().Reset();
  const std::string file = BenchFile();
  files::SavePart(MakePart(ToHostPath(file)), ToHostPath(file));
  for (auto _ : state) {
    Session::Get().Reset();
    benchmark::DoNotOptimize(files::OpenPart(ToHostPath(file)).Objects().size());
  }
  Session::Get().Reset();
}

// The yardstick for the load: OCCT's own binary read of the same shapes from memory.
void BareOcctReadThousandShapes(benchmark::State& state) {
  BRep_Builder builder;
  TopoDS_Compound compound;
  builder.MakeCompound(compound);
  for (int i = 0; i < kBodies; ++i) builder.Add(compound, Stock(i));
  std::ostringstream out(std::ios::binary);
  BinTools::Write(compound, out, false, false, BinTools_FormatVersion_CURRENT);
  const std::string bytes = out.str();
  for (auto _ : state) {
    std::istringstream in(bytes, std::ios::binary);
    TopoDS_Shape read;
    BinTools::Read(read, in);
    benchmark::DoNotOptimize(read.NbChildren());
  }
}

void MassPropertiesFirstTime(benchmark::State& state) {
  Session::Get().Reset();
  Part& part = MakePart(ToHostPath(BenchFile()));
  for (auto _ : state) {
    for (const auto& o : part.Objects()) {
      auto& body = static_cast<Body&>(*o);
      body.SetShape(body.Shape());  // drops the cache
      benchmark::DoNotOptimize(body.Mass().volume);
    }
  }
  Session::Get().Reset();
}

void MassPropertiesCached(benchmark::State& state) {
  Session::Get().Reset();
  Part& part = MakePart(ToHostPath(BenchFile()));
  for (const auto& o : part.Objects()) static_cast<Body&>(*o).Mass();
  for (auto _ : state)
    for (const auto& o : part.Objects()) benchmark::DoNotOptimize(static_cast<Body&>(*o).Mass().volume);
  Session::Get().Reset();
}

}  // namespace

BENCHMARK(SaveThousandBodies)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(LoadThousandBodies)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BareOcctReadThousandShapes)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(MassPropertiesFirstTime)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(MassPropertiesCached)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
