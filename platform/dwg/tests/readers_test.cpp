// Files the writer makes, read back by LibreDWG and libdxfrw (their WebAssembly
// builds, run by node from tests/readers): no critical error, the same entities per
// type and layer, the same Chinese texts, the same extents.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include <nlohmann/json.hpp>

#include "platform/dwg/dwg_writer.h"
#include "platform/dwg/extents.h"
#include "platform/dwg/tests/sample_sheet.h"

using namespace platform::dwg;
namespace fs = std::filesystem;
using nlohmann::json;

namespace {

fs::path ReadersDir() {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  return fs::path(source ? source : ".") / "tests" / "readers";
}

// Runs one reader script on one file; its summary is the last line it prints.
json Read(const std::string& script, const fs::path& file) {
  const fs::path dir = ReadersDir();
  if (!fs::exists(dir / "node_modules"))
    throw std::runtime_error("the DWG readers are not installed: run scripts/setup.sh (npm ci in " + dir.string() + ")");
  const std::string command = "node '" + (dir / script).string() + "' '" + file.string() + "' 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + command);
  std::string out;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
  const int status = pclose(pipe);
  if (status != 0) throw std::runtime_error(command + " failed with status " + std::to_string(status) + ": " + out);
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return json::parse(out.substr(out.rfind('\n') + 1));
}

fs::path Write(const Drawing& drawing, const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / "fabdoc-dwg-readers";
  fs::create_directories(dir);
  const fs::path file = dir / name;
  WriteDwgFile(drawing, file.string());
  return file;
}

std::vector<std::string> WrittenTexts(const Drawing& drawing) {
  std::vector<std::string> texts;
  for (const Entity& e : drawing.entities)
    if (const auto* t = std::get_if<Text>(&e.geometry)) texts.push_back(t->utf8);
  std::sort(texts.begin(), texts.end());
  return texts;
}

std::vector<std::string> ReadTexts(const json& summary) {
  std::vector<std::string> texts;
  for (const json& t : summary["texts"]) texts.push_back(t["text"]);
  std::sort(texts.begin(), texts.end());
  return texts;
}

void ExpectSameDrawing(const json& read, const Drawing& written) {
  const std::string who = read["reader"];
  ASSERT_TRUE(read["ok"]) << who << ": " << read.dump();
  EXPECT_FALSE(read["critical"]) << who;
  EXPECT_TRUE(read["errors"].empty()) << who << " reported " << read["errors"].dump();
  using Counts = std::map<std::string, std::map<std::string, int>>;
  const Counts counts = read["countsByLayer"].get<Counts>();
  EXPECT_EQ(counts, dwg_test::CountsByLayer(written)) << who;
  EXPECT_EQ(ReadTexts(read), WrittenTexts(written)) << who;
  const Extents e = DrawingExtents(written);
  ASSERT_FALSE(read["extents"].is_null()) << who;
  EXPECT_NEAR(read["extents"]["min"][0].get<double>(), e.min.x, 1e-9) << who;
  EXPECT_NEAR(read["extents"]["min"][1].get<double>(), e.min.y, 1e-9) << who;
  EXPECT_NEAR(read["extents"]["max"][0].get<double>(), e.max.x, 1e-9) << who;
  EXPECT_NEAR(read["extents"]["max"][1].get<double>(), e.max.y, 1e-9) << who;
  std::map<std::string, int> colours;
  for (const json& l : read["layers"]) colours[l["name"]] = l["colour"];
  for (const Layer& l : written.layers) EXPECT_EQ(colours[l.name], l.colour) << who << " layer " << l.name;
}

}  // namespace

TEST(DwgReaders, BothReadTheTitleBlockSheetAsWritten) {
  const Drawing sheet = dwg_test::TitleBlockSheet();
  const fs::path file = Write(sheet, "标题栏.dwg");
  const json libredwg = Read("read_dwg_libredwg.mjs", file);
  const json libdxfrw = Read("read_dwg_libdxfrw.mjs", file);
  ExpectSameDrawing(libredwg, sheet);
  ExpectSameDrawing(libdxfrw, sheet);
  // The header's extents and units as LibreDWG reads them.
  const Extents e = DrawingExtents(sheet);
  EXPECT_DOUBLE_EQ(libredwg["headerExtents"]["max"][0].get<double>(), e.max.x);
  EXPECT_DOUBLE_EQ(libredwg["headerExtents"]["max"][1].get<double>(), e.max.y);
  EXPECT_EQ(libredwg["insertionUnits"], 4) << "millimetres";
  // Text heights and positions survive too.
  int found = 0;
  for (const json& t : libdxfrw["texts"]) {
    if (t["text"] != "第 1 张 共 3 张") continue;
    ++found;
    EXPECT_DOUBLE_EQ(t["height"].get<double>(), 7.0);
    EXPECT_DOUBLE_EQ(t["x"].get<double>(), 385.0);
  }
  EXPECT_EQ(found, 1);
  // The hidden-edge layer keeps its dashed linetype.
  std::map<std::string, std::string> linetypes;
  for (const json& l : libdxfrw["layers"]) linetypes[l["name"]] = l["linetype"];
  EXPECT_EQ(linetypes["虚线"], "DASHED");
  EXPECT_EQ(linetypes["中心线"], "CENTER");
  EXPECT_EQ(linetypes["轮廓"], "Continuous");
}

TEST(DwgReaders, BothReadTwoThousandEntitiesSpreadOverManyMapPages) {
  const Drawing sheet = dwg_test::ManyEntitiesSheet(2000);
  const fs::path file = Write(sheet, "many.dwg");
  ExpectSameDrawing(Read("read_dwg_libredwg.mjs", file), sheet);
  ExpectSameDrawing(Read("read_dwg_libdxfrw.mjs", file), sheet);
}

TEST(DwgReaders, BothReadAnEmptySheet) {
  Drawing sheet;
  sheet.sheetWidthMm = 297;
  sheet.sheetHeightMm = 210;
  sheet.layers = {{"图框", 7, Linetype::Continuous}};
  const fs::path file = Write(sheet, "empty.dwg");
  for (const char* script : {"read_dwg_libredwg.mjs", "read_dwg_libdxfrw.mjs"}) {
    const json read = Read(script, file);
    EXPECT_TRUE(read["ok"]) << script;
    EXPECT_FALSE(read["critical"]) << script;
    EXPECT_TRUE(read["counts"].empty()) << script;
  }
}
