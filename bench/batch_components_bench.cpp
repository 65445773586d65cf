// Batch component creation on a product of 20 multi-body components of 30 bodies each:
// every body is made to drawing under its own part name, so the batch makes 600 new
// component parts, saves each and moves it under its parent.
#include <cstdio>
#include <filesystem>

#include <BRepPrimAPI_MakeBox.hxx>
#include <benchmark/benchmark.h>
#include "bench/support/scratch_dir.h"

#include "app/journal/journal.h"
#include "app/journal/runner.h"
#include "platform/files/part_file.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

extern "C" void ufsta(char* param, int* retcode, int paramLen);

using namespace platform;
namespace fs = std::filesystem;

namespace {

constexpr int kComponents = 20;
constexpr int kBodiesEach = 30;

std::string MakeProduct(const std::string& dir) {
  Session::Get().Reset();
  const std::string folder = ToHostPath(dir);
  Part& root = Session::Get().NewPart(folder + "\\" + "ASM-0.prt");
  for (int c = 1; c <= kComponents; ++c) {
    const std::string stem = "F" + std::to_string(c) + "-" + std::to_string(c);
    Part& part = Session::Get().NewPart(folder + "\\" + stem + ".prt");
    for (int b = 0; b < kBodiesEach; ++b) {
      auto body = std::make_unique<Body>(BRepPrimAPI_MakeBox(gp_Pnt(60.0 * b, 0, 0), 50, 20 + b, 5).Shape());
      const std::string name = "P" + std::to_string(c) + "x" + std::to_string(b);
      body->name = name;
      body->attributes.Set("DB_PART_NAME", name);
      body->attributes.Set("REMARK", "按图制作");  // GBK: this file is compiled like the add-on
      body->attributes.Set("DB_PART_NO", "1");
      part.Add(std::move(body));
    }
    files::SavePart(part, part.path);
    Instance inst;
    inst.partPath = part.path;
    inst.instanceName = stem;
    inst.name = stem;
    inst.transform = Transform::Translation(0, 200.0 * c, 0);
    root.AddInstance(inst);
  }
  files::SavePart(root, root.path);
  Session::Get().SetDisplayed(&root);
  return root.path;
}

void BatchComponentsOf600Bodies(benchmark::State& state) {
  setenv("FABDOC_DIALOG_PATH", FABDOC_BENCH_DIALOGS, 1);
  int rc = 0;
  ufsta(nullptr, &rc, 0);
  const fabdoc_bench::ScratchDir scratch("fabdoc-bench-batch");
  const fs::path& dir = scratch.path();
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(dir);
    fs::create_directories(dir);
    MakeProduct(dir.string());
    state.ResumeTiming();
    const auto journal = fabdoc::app::journal::ParseJournal(
        "action new_zujianV1\n  set enum0 2\n  set toggle0 true\n  apply\n  cancel\n", (dir / "j").string(),
        dir.string());
    std::FILE* sink = std::fopen("/dev/null", "w");
    fabdoc::app::journal::Runner runner(journal, sink);
    runner.Run();
    std::fclose(sink);
  }
  state.counters["components"] = kComponents * kBodiesEach;
  state.counters["ms_per_component"] = benchmark::Counter(
      kComponents * kBodiesEach, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  Session::Get().Reset();
}

}  // namespace

BENCHMARK(BatchComponentsOf600Bodies)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_MAIN();
