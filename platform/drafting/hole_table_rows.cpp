#include "platform/drafting/hole_table_rows.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "platform/drafting/dimension_graphics.h"
#include "platform/drafting/part_dimensions.h"

namespace platform::drafting {

namespace {

constexpr double kRowMm = 6;
constexpr double kPaddingMm = 1.5;
constexpr double kMinColumnMm = 10;
constexpr double kMaxCellMm = 80;        // a longer list of positions goes on to another row
constexpr double kDatumCircleMm = 1.5;   // as a running dimension's datum
const char* const kHeader[] = {"孔径", "数量", "X", "Y"};

// Positions as they print: 0.1 mm, so two that print alike are one.
long Tenths(double mm) { return std::lround(mm * 10); }

std::string PositionsText(const std::vector<long>& at) {
  const auto mm = [](long tenths) { return MmText(tenths / 10.0); };
  if (at.size() >= 3) {
    bool pitched = true;
    for (size_t i = 2; pitched && i < at.size(); ++i) pitched = at[i] - at[i - 1] == at[1] - at[0];
    if (pitched)
      return mm(at[0]) + ", " + std::to_string(at.size() - 1) + "×" + mm(at[1] - at[0]) + "=" +
             mm(at.back() - at.front());
  }
  std::string text;
  for (long a : at) text += (text.empty() ? "" : ", ") + mm(a);
  return text;
}

// Runs of positions whose texts fit a cell, in order.
std::vector<std::vector<long>> Fitting(const std::vector<long>& at) {
  if (TextWidth(PositionsText(at), kDimensionTextMm) <= kMaxCellMm) return {at};
  std::vector<std::vector<long>> runs(1);
  for (long a : at) {
    runs.back().push_back(a);
    if (runs.back().size() > 1 && TextWidth(PositionsText(runs.back()), kDimensionTextMm) > kMaxCellMm) {
      runs.back().pop_back();
      runs.push_back({a});
    }
  }
  return runs;
}

}  // namespace

HoleTableGrid MakeHoleTable(const TabledHoles& holes) {
  HoleTableGrid table;
  table.viewPid = holes.viewPid;
  table.datum = holes.datum;
  std::vector<std::array<std::string, 4>> rows{{kHeader[0], kHeader[1], kHeader[2], kHeader[3]}};
  std::vector<TabledGroup> groups = holes.groups;
  std::sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) { return a.diameter < b.diameter; });
  for (const TabledGroup& group : groups) {
    // The lines of holes (one Y each), then lines with the same X positions together.
    std::map<long, std::vector<long>> lines;
    for (const auto& at : group.at) lines[Tenths(at[1])].push_back(Tenths(at[0]));
    std::map<std::vector<long>, std::vector<long>> byColumns;
    std::vector<std::vector<long>> order;
    for (auto& [y, xs] : lines) {
      std::sort(xs.begin(), xs.end());
      xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
      auto [it, fresh] = byColumns.try_emplace(xs);
      if (fresh) order.push_back(xs);
      it->second.push_back(y);
    }
    for (const std::vector<long>& xs : order)
      for (const std::vector<long>& xRun : Fitting(xs))
        for (const std::vector<long>& yRun : Fitting(byColumns[xs])) {
          const int count = static_cast<int>(xRun.size() * yRun.size());
          table.holes += count;
          rows.push_back({"⌀" + MmText(group.diameter), std::to_string(count), PositionsText(xRun),
                          PositionsText(yRun)});
        }
  }
  table.columnWidths.assign(4, kMinColumnMm);
  for (const auto& row : rows)
    for (size_t c = 0; c < row.size(); ++c) {
      table.columnWidths[c] = std::max(table.columnWidths[c], TextWidth(row[c], kDimensionTextMm) + 2 * kPaddingMm);
      table.cells.push_back(row[c]);
    }
  table.rowHeights.assign(rows.size(), kRowMm);
  return table;
}

SheetHoleTable HoleTableDrawing(const HoleTableGrid& table) {
  SheetHoleTable drawn;
  const Box2 box = table.Box();
  double y = box.ymax;
  for (int r = 0; r <= table.Rows(); ++r) {
    drawn.lines.push_back({{box.xmin, y}, {box.xmax, y}});
    if (r < table.Rows()) y -= table.rowHeights[r];
  }
  double x = box.xmin;
  for (int c = 0; c <= table.Columns(); ++c) {
    drawn.lines.push_back({{x, box.ymax}, {x, box.ymin}});
    if (c < table.Columns()) x += table.columnWidths[c];
  }
  y = box.ymax;
  for (int r = 0; r < table.Rows(); ++r) {
    x = box.xmin;
    for (int c = 0; c < table.Columns(); ++c) {
      if (!table.Cell(r, c).empty())
        drawn.texts.push_back({table.Cell(r, c), {x + table.columnWidths[c] / 2, y - table.rowHeights[r] / 2},
                               kDimensionTextMm, TextAnchor::MidCentre});
      x += table.columnWidths[c];
    }
    y -= table.rowHeights[r];
  }
  drawn.arcs.push_back({table.datum, kDatumCircleMm, 0, 2 * std::numbers::pi});
  return drawn;
}

Box2 HoleTableGrid::Box() const {
  double width = 0, height = 0;
  for (double w : columnWidths) width += w;
  for (double h : rowHeights) height += h;
  Box2 box;
  box.Add(topLeft);
  box.Add(Point2{topLeft.x + width, topLeft.y - height});
  return box;
}

}  // namespace platform::drafting
