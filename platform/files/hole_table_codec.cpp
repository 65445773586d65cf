#include "platform/files/hole_table_codec.h"

#include <cmath>

#include "platform/base/host_error.h"
#include "platform/text/gbk.h"

namespace platform::files {

using nlohmann::json;

json EncodeHoleTable(const HoleTable& table) {
  const drafting::HoleTableGrid& t = table.grid;
  return {{"kind", "holeTable"},
          {"sheet", table.sheetPid},
          {"view", t.viewPid},
          {"automatic", table.automatic},
          {"topLeft", {t.topLeft.x, t.topLeft.y}},
          {"columnWidths", t.columnWidths},
          {"rowHeights", t.rowHeights},
          {"cells", t.cells},
          {"datum", {t.datum.x, t.datum.y}},
          {"holes", t.holes}};
}

std::unique_ptr<HoleTable> DecodeHoleTable(const json& j, const std::string& where) {
  const auto bad = [&](const std::string& what) {
    return HostError(HostStatus::BadPartFile, where + ": damaged hole table record (" + what + ")");
  };
  const auto number = [&](const json& v) {
    const double x = v.get<double>();
    if (!std::isfinite(x)) throw bad("a coordinate or size is not a number");
    return x;
  };
  const auto point = [&](const json& v) {
    if (!v.is_array() || v.size() != 2) throw bad("a point needs two coordinates");
    return drafting::Point2{number(v.at(0)), number(v.at(1))};
  };
  const auto sizes = [&](const json& v) {
    std::vector<double> out;
    for (const json& size : v) {
      out.push_back(number(size));
      if (!(out.back() > 0)) throw bad("a row or column not above 0 mm");
    }
    if (out.empty()) throw bad("no rows or no columns");
    return out;
  };
  auto table = std::make_unique<HoleTable>();
  table->sheetPid = j.at("sheet");
  table->automatic = j.at("automatic");
  drafting::HoleTableGrid* t = &table->grid;
  t->viewPid = j.at("view");
  t->topLeft = point(j.at("topLeft"));
  t->columnWidths = sizes(j.at("columnWidths"));
  t->rowHeights = sizes(j.at("rowHeights"));
  t->cells = j.at("cells").get<std::vector<std::string>>();
  if (t->cells.size() != t->columnWidths.size() * t->rowHeights.size())
    throw bad(std::to_string(t->cells.size()) + " cells for " + std::to_string(t->rowHeights.size()) + " rows of " +
              std::to_string(t->columnWidths.size()));
  for (const std::string& cell : t->cells)
    if (!text::IsValidUtf8(cell)) throw bad("a cell that is not UTF-8");
  t->datum = point(j.at("datum"));
  t->holes = j.at("holes");
  if (t->holes < 1) throw bad("no holes listed");
  return table;
}

}  // namespace platform::files
