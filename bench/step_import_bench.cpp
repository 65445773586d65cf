// STEP import against the modeller's own translation of the same file, in processor time
// of the process and its children (the guard child does most of the work): a frame of
// the 200 simple solids of bench_solids.h, one part each under one assembly, exported by
// `fabdoc export`'s code, and the same frame of 2,000 parts; and the real files of the
// tests (filter `Real`; minutes). The peer reads the same files with
// bench/peer_step_import.py.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include <sys/resource.h>

#include <BRepBuilderAPI_Copy.hxx>
#include <STEPCAFControl_Reader.hxx>
#include <TDocStd_Document.hxx>
#include <XCAFApp_Application.hxx>
#include <benchmark/benchmark.h>

#include "bench/bench_solids.h"
#include "bench/support/scratch_dir.h"
#include "platform/files/step_export.h"
#include "platform/files/step_import.h"
#include "platform/files/trusted_bodies.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/host_path.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

// Processor seconds of this process and of the children it has waited for.
double CpuWithChildren() {
  double total = 0;
  for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
    rusage usage{};
    getrusage(who, &usage);
    total += usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  }
  return total;
}

// The largest resident size this process or any child it waited for reached.
double PeakMegabytes() {
  rusage self{}, children{};
  getrusage(RUSAGE_SELF, &self);
  getrusage(RUSAGE_CHILDREN, &children);
  return std::max(self.ru_maxrss, children.ru_maxrss) / 1024.0;
}

const fabdoc_bench::ScratchDir& Scratch() {
  static const fabdoc_bench::ScratchDir dir("fabdoc-step-bench");
  return dir;
}

// FRAME.prt over F-<i>.prt, i = 1 .. parts, each holding solid (i - 1) mod 200 at its
// place in the product, as the drawing benchmark's product of 2,000 parts.
std::string MakeFrameStep(int parts) {
  Session::Get().Reset();
  const fs::path dir = Scratch().path() / ("frame-" + std::to_string(parts));
  fs::create_directories(dir);
  const std::string folder = ToHostPath(dir.string());
  Part& root = Session::Get().NewPart(folder + "\\FRAME.prt");
  for (int i = 0; i < parts; ++i) {
    const std::string stem = "F-" + std::to_string(i + 1);
    Part& part = Session::Get().NewPart(folder + "\\" + stem + ".prt");
    auto body = std::make_unique<Body>(BRepBuilderAPI_Copy(fabdoc_bench::Solids()[i % fabdoc_bench::kSolids]).Shape());
    body->name = "S" + std::to_string(i + 1);
    part.Add(std::move(body));
    Instance instance;
    instance.partPath = part.path;
    instance.instanceName = instance.name = stem;
    const gp_Vec at = fabdoc_bench::ProductPlace(i);
    instance.transform = Transform::Translation(at.X(), at.Y(), at.Z());
    root.AddInstance(instance);
  }
  // FABDOC_BENCH_KEEP=FILE keeps the frame of 200 as FILE, a larger one with its count
  // before the extension (frame-2000.step).
  fs::path step = Scratch().path() / "frame.step";
  if (const char* keep = std::getenv("FABDOC_BENCH_KEEP")) step = keep;
  if (parts != fabdoc_bench::kSolids)
    step.replace_filename(step.stem().string() + "-" + std::to_string(parts) + step.extension().string());
  files::ExportStep(root, ToHostPath(step.string()));
  Session::Get().Reset();
  return step.string();
}

const std::string& FrameStep(int parts) {
  static std::map<int, std::string> made;
  if (!made.count(parts)) made[parts] = MakeFrameStep(parts);
  return made[parts];
}

std::string RealStep(const char* name) {
  return std::string(FABDOC_SOURCE_DIR) + "/platform/files/tests/real-step/" + name;
}

// `fabdoc import`: the file read, checked, translated and tried, every part saved. A
// first import trusts no body (docs/part-file.md), a repeated one those it tried before;
// the benchmark's cache of trusted bodies is its own, never the user's.
void Import(benchmark::State& state, const std::string& file, bool first = true) {
  static const bool ownCache = [] {
    return setenv("XDG_CACHE_HOME", (Scratch().path() / "cache").c_str(), 1) == 0;
  }();
  if (!ownCache) state.SkipWithError("cannot keep the trusted bodies apart");
  const std::string into = ToHostPath((Scratch().path() / "in").string());
  auto emptyFolder = [] {
    Session::Get().Reset();
    fs::remove_all(Scratch().path() / "in");
    fs::create_directories(Scratch().path() / "in");
  };
  if (!first) {
    emptyFolder();
    files::ImportStep(ToHostPath(file), into);  // trusts what it tried
  }
  double cpu = 0;
  for (auto _ : state) {
    if (first) files::TrustedBodies::Shared().Forget();
    emptyFolder();
    const double before = CpuWithChildren();
    benchmark::DoNotOptimize(files::ImportStep(ToHostPath(file), into).written.size());
    cpu += CpuWithChildren() - before;
  }
  state.counters["cpu_s"] = cpu / state.iterations();
  state.counters["peak_mb"] = PeakMegabytes();
  Session::Get().Reset();
}

// The yardstick: the modeller reading and transferring the same file into a document.
void BareTranslation(benchmark::State& state, const std::string& file) {
  Handle(XCAFApp_Application) app = XCAFApp_Application::GetApplication();
  double cpu = 0;
  for (auto _ : state) {
    const double before = CpuWithChildren();
    Handle(TDocStd_Document) doc;
    app->NewDocument("BinXCAF", doc);
    STEPCAFControl_Reader reader;
    reader.SetNameMode(true);
    reader.SetColorMode(true);
    reader.SetLayerMode(true);
    if (reader.ReadFile(file.c_str()) != IFSelect_RetDone || !reader.Transfer(doc)) {
      state.SkipWithError("the modeller cannot read the file");
      return;
    }
    app->Close(doc);
    cpu += CpuWithChildren() - before;
  }
  state.counters["cpu_s"] = cpu / state.iterations();
}

void ImportFrame(benchmark::State& state) { Import(state, FrameStep(static_cast<int>(state.range(0)))); }
void ReimportFrame(benchmark::State& state) { Import(state, FrameStep(static_cast<int>(state.range(0))), false); }
void BareTranslationFrame(benchmark::State& state) {
  BareTranslation(state, FrameStep(static_cast<int>(state.range(0))));
}
void ImportRealAutodesk(benchmark::State& state) { Import(state, RealStep("autodesk-compression.step")); }
void BareTranslationRealAutodesk(benchmark::State& state) {
  BareTranslation(state, RealStep("autodesk-compression.step"));
}
void ImportRealBarb(benchmark::State& state) { Import(state, RealStep("acis-barb.stp")); }
void BareTranslationRealBarb(benchmark::State& state) { BareTranslation(state, RealStep("acis-barb.stp")); }

}  // namespace

// The frame of 200 parts, and of 2,000 (filter `/2000`; a minute or more an iteration).
BENCHMARK(ImportFrame)->Arg(fabdoc_bench::kSolids)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ReimportFrame)->Arg(fabdoc_bench::kSolids)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BareTranslationFrame)->Arg(fabdoc_bench::kSolids)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ImportFrame)->Arg(2000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BareTranslationFrame)->Arg(2000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(ImportRealBarb)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BareTranslationRealBarb)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ImportRealAutodesk)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BareTranslationRealAutodesk)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
