// Writing a bill of materials of 2,000 rows into a copy of the BOM template: through the
// knowledge rules exactly as the export creates them (nine write rules and a demand list
// per row, one update each), and straight through the workbook editor for comparison.
//   bom_workbook_bench   (reports seconds per run and rows per second)
#include <filesystem>

#include <benchmark/benchmark.h>

#include "platform/knowledge/excel_functions.h"
#include "platform/knowledge/rule_set.h"
#include "platform/knowledge/tests/bom_rules.h"
#include "platform/knowledge/workbook_excel_host.h"
#include "platform/workbook/workbook.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRows = 2000;

std::vector<fabdoc_test::BomRow> Rows() {
  std::vector<fabdoc_test::BomRow> rows;
  for (int i = 0; i < kRows; ++i)
    rows.push_back({"KZT-01-" + std::to_string(1000 + i), "横梁" + std::to_string(i % 40), "钢板(100*50*8)", "Q235B",
                    i % 5 ? "" : "镀锌", 1 + i % 4, 0.312 + i * 0.001, 4});
  return rows;
}

const fs::path kCopy = fs::temp_directory_path() / "fabdoc-bom-bench-kzt.xlsx";

fs::path FreshCopy() {
  fs::copy_file(FABDOC_BOM_TEMPLATE, kCopy, fs::copy_options::overwrite_existing);
  return kCopy;
}

void ThroughRules(benchmark::State& state) {
  const auto rows = Rows();
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path copy = FreshCopy();
    state.ResumeTiming();
    platform::knowledge::WorkbookExcelHost host;
    const auto functions = platform::knowledge::ExcelFunctions(host);
    platform::knowledge::RuleSet rules(functions);
    fabdoc_test::WriteBomRows(rules, fs::path(copy).replace_extension().string(), rows);
  }
  fs::remove(kCopy);
  state.counters["rows_per_second"] = benchmark::Counter(double(kRows) * state.iterations(), benchmark::Counter::kIsRate);
}

void StraightToWorkbook(benchmark::State& state) {
  const auto rows = Rows();
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path copy = FreshCopy();
    state.ResumeTiming();
    auto book = platform::workbook::Workbook::Open(copy);
    for (int i = 0; i < kRows; ++i) {
      const auto& r = rows[i];
      const int row = 4 + i;
      book.WriteNumber(1, row, 1, i + 1);
      book.WriteText(1, row, 2, r.drawingNumber);
      book.WriteText(1, row, 3, r.name);
      book.WriteNumber(1, row, 5, r.quantity);
      book.WriteText(1, row, 6, r.material);
      book.WriteNumber(1, row, 7, r.massKg);
      book.WriteText(1, row, 9, r.remark);
      book.WriteText(1, row, 4, r.stock);
      book.WriteNumber(1, row, 10, r.category);
    }
    book.Save();
  }
  fs::remove(kCopy);
  state.counters["rows_per_second"] = benchmark::Counter(double(kRows) * state.iterations(), benchmark::Counter::kIsRate);
}

BENCHMARK(ThroughRules)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();
BENCHMARK(StraightToWorkbook)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
