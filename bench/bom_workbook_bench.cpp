// Writing a bill of materials of 2,000 rows into a copy of the BOM template: through the
// knowledge rules as the export creates them (the add-on's own cell rules, nine and a
// demand list per row, one update each), and straight through the workbook editor for
// comparison. bench/bom_export_bench times the whole export through the add-on.
//   bom_workbook_bench   (reports seconds per run and rows per second)
#include <cstdio>
#include <filesystem>

#include <benchmark/benchmark.h>

#include "bom/rule_text.h"
#include "platform/knowledge/excel_functions.h"
#include "platform/knowledge/rule_set.h"
#include "platform/knowledge/workbook_excel_host.h"
#include "platform/text/gbk.h"
#include "platform/workbook/workbook.h"

namespace fs = std::filesystem;
using platform::knowledge::RuleSet;

namespace {

constexpr int kRows = 2000;

struct BomRow {
  std::string drawingNumber, name, stock, material, remark;
  int quantity = 1;
  double massKg = 0;
  int category = 1;
};

std::vector<BomRow> Rows() {
  std::vector<BomRow> rows;
  for (int i = 0; i < kRows; ++i)
    rows.push_back({"KZT-01-" + std::to_string(1000 + i), "横梁" + std::to_string(i % 40), "钢板(100*50*8)", "Q235B",
                    i % 5 ? "" : "镀锌", 1 + i % 4, 0.312 + i * 0.001, 4});
  return rows;
}

// A cell rule as the add-on writes it (GBK, this file's literals are GBK as the add-on's
// are), in UTF-8 as the host hands it to the rule set.
std::string CellRule(int row, int column, const std::string& gbkValue) {
  return platform::text::ToUtf8(kzt::write_cell_rule(row, column, gbkValue));
}

// The export's rules for `rows`, with the cells in the export's order, into `copy`.
void WriteThroughRules(RuleSet& rules, const fs::path& copy, const std::vector<BomRow>& rows) {
  rules.Create("open", "Integer Parameter", "ug_excel_open_file(\"" + kzt::escape_rule_string(copy.string()) + "\",Write)");
  for (size_t i = 0; i < rows.size(); ++i) {
    const BomRow& b = rows[i];
    const int row = 4 + int(i);
    char mass[32];
    std::snprintf(mass, sizeof mass, "%f", b.massKg);
    const std::string cells[9] = {CellRule(row, 1, std::to_string(i + 1)),
                                  CellRule(row, 2, b.drawingNumber),
                                  CellRule(row, 3, b.name),
                                  CellRule(row, 5, std::to_string(b.quantity)),
                                  CellRule(row, 6, b.material),
                                  CellRule(row, 7, mass),
                                  CellRule(row, 9, b.remark),
                                  CellRule(row, 4, b.stock),
                                  CellRule(row, 10, std::to_string(b.category))};
    for (int k = 0; k < 9; ++k) rules.Create("Write" + std::to_string(k), "Boolean Parameter", cells[k]);
    rules.Create("demandvalue", "List Parameter",
                 "{Write0:, Write1:,Write2:, Write3:, Write4:, Write5:, Write6:, Write7:, Write8: }");
    rules.Update();
    rules.Delete("demandvalue");
    for (int k = 0; k < 9; ++k) rules.Delete("Write" + std::to_string(k));
  }
  rules.Create("close", "Boolean Parameter", "ug_excel_close_file(open:,True)");
  rules.Create("demandvalue", "List Parameter", "{close:}");
  rules.Update();
  for (const char* name : {"demandvalue", "open", "close"}) rules.Delete(name);
}

const fs::path kCopy = fs::temp_directory_path() / "fabdoc-bom-bench-kzt.xlsx";

fs::path FreshCopy() {
  // The add-on's literals are GBK; the template's file name is UTF-8.
  fs::copy_file(std::u8string(u8"" FABDOC_BOM_TEMPLATE), kCopy, fs::copy_options::overwrite_existing);
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
    RuleSet rules(functions);
    WriteThroughRules(rules, copy, rows);
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
      book.WriteText(1, row, 2, platform::text::ToUtf8(r.drawingNumber));
      book.WriteText(1, row, 3, platform::text::ToUtf8(r.name));
      book.WriteNumber(1, row, 5, r.quantity);
      book.WriteText(1, row, 6, platform::text::ToUtf8(r.material));
      book.WriteNumber(1, row, 7, r.massKg);
      book.WriteText(1, row, 9, platform::text::ToUtf8(r.remark));
      book.WriteText(1, row, 4, platform::text::ToUtf8(r.stock));
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
