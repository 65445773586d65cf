// DWG writing: one sheet of about 2,000 entities (lines, arcs, circles, polylines
// and Chinese texts), encoded in memory and written to disk atomically; a sheet of
// 200 dimensions, each with its block.
#include <filesystem>

#include <benchmark/benchmark.h>
#include "bench/support/scratch_dir.h"

#include "platform/dwg/dwg_writer.h"
#include "platform/dwg/tests/dimensioned_sheet.h"
#include "platform/dwg/tests/sample_sheet.h"

namespace fs = std::filesystem;

namespace {

constexpr int kEntities = 2000;

void EncodeSheet(benchmark::State& state) {
  const platform::dwg::Drawing sheet = dwg_test::ManyEntitiesSheet(kEntities);
  size_t bytes = 0;
  for (auto _ : state) bytes = platform::dwg::EncodeDwg(sheet).size();
  state.counters["file_bytes"] = static_cast<double>(bytes);
  state.counters["entities"] = kEntities;
}
BENCHMARK(EncodeSheet)->Unit(benchmark::kMillisecond);

void WriteSheetFile(benchmark::State& state) {
  const platform::dwg::Drawing sheet = dwg_test::ManyEntitiesSheet(kEntities);
  const fabdoc_bench::ScratchDir dir("fabdoc-bench");
  const fs::path file = dir.path() / "sheet.dwg";
  for (auto _ : state) platform::dwg::WriteDwgFile(sheet, file.string());
  state.counters["file_bytes"] = static_cast<double>(fs::file_size(file));
}
BENCHMARK(WriteSheetFile)->Unit(benchmark::kMillisecond);

void EncodeDimensions(benchmark::State& state) {
  constexpr int kDimensions = 200;
  const platform::dwg::Drawing sheet = dwg_test::ManyDimensionsSheet(kDimensions);
  size_t bytes = 0;
  for (auto _ : state) bytes = platform::dwg::EncodeDwg(sheet).size();
  state.counters["file_bytes"] = static_cast<double>(bytes);
  state.counters["dimensions"] = kDimensions;
}
BENCHMARK(EncodeDimensions)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
