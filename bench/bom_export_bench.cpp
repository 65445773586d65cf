// The BOM export of a part of 2,000 bodies through the add-on's dialog, with the merge
// toggle on (200 part names, 200 rows) and off (2,000 rows): template copy, one rule per
// cell evaluated by update, workbook save and the copy to the result name.
#include <filesystem>

#include <BRepPrimAPI_MakeBox.hxx>
#include <benchmark/benchmark.h>

#include "bench/support/addon_journal.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"

using namespace platform;
using fabdoc_bench::RunJournal;
using fabdoc_bench::StartAddOn;

namespace {

constexpr int kBodies = 2000;
constexpr int kNames = 200;
const char* kOutFolder = "/tmp/fabdoc-bom-bench";

// Plates of 40 sizes; every tenth body starts a new part name.
void MakePart() {
  Session::Get().Reset();
  Part& part = Session::Get().NewPart("\\tmp\\bench-bom-2000.prt");
  for (int i = 0; i < kBodies; ++i) {
    const double x = (i % 50) * 400.0, y = (i / 50) * 400.0;
    auto body = std::make_unique<Body>(BRepPrimAPI_MakeBox(gp_Pnt(x, y, 0), 100 + (i % 40), 50, 8).Shape());
    body->name = "B" + std::to_string(i);
    body->attributes.Set("DB_PART_NAME", "\xc1\xe3\xbc\xfe" + std::to_string(i % kNames));  // 零件N (GBK)
    body->attributes.Set("DB_PART_NO", "P-" + std::to_string(i % kNames + 1));
    body->attributes.Set("suling", "\xb8\xd6\xb0\xe5(8x50x" + std::to_string(100 + i % 40) + ")");  // 钢板(...)
    body->attributes.Set("MATERIALS", "Q235");
    body->attributes.Set("REMARK", "\xb0\xb4\xcd\xbc\xd6\xc6\xd7\xf7");  // 按图制作
    part.Add(std::move(body));
  }
  Session::Get().SetDisplayed(&part);
}

void ExportBom(benchmark::State& state, bool merge, int rows) {
  StartAddOn();
  MakePart();
  std::filesystem::create_directories(kOutFolder);
  const std::string journal = std::string("action bom_shuchu\n  set enum0 1\n  set filepath \"\\\\tmp\\\\fabdoc-bom-bench\\\\\"\n") +
                              "  set toggle0 " + (merge ? "true" : "false") + "\n  ok\n";
  RunJournal(journal);  // the first run measures every body once; later runs reuse it
  for (auto _ : state) RunJournal(journal);
  if (!std::filesystem::exists(std::string(kOutFolder) + "/bench-bom-2000.xlsx")) state.SkipWithError("no workbook written");
  state.counters["rows"] = rows;
  state.counters["rows_per_s"] = benchmark::Counter(rows, benchmark::Counter::kIsIterationInvariantRate);
  std::filesystem::remove_all(kOutFolder);
  Session::Get().Reset();
}

void BomOf2000BodiesMerged(benchmark::State& state) { ExportBom(state, true, kNames); }
void BomOf2000BodiesOneRowEach(benchmark::State& state) { ExportBom(state, false, kBodies); }

}  // namespace

BENCHMARK(BomOf2000BodiesMerged)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BomOf2000BodiesOneRowEach)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK_MAIN();
