// Files the writer makes, read back by LibreDWG and libdxfrw (their WebAssembly
// builds, run by node from tests/readers): no critical error, the same entities per
// type and layer, the same Chinese texts, the same extents.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include <nlohmann/json.hpp>

#include "platform/dwg/dwg_writer.h"
#include "platform/dwg/extents.h"
#include "platform/dwg/tests/sample_sheet.h"
#include "tests/support/dwg_readers.h"

using namespace platform::dwg;
namespace fs = std::filesystem;
using nlohmann::json;
using dwg_test::ExpectSameDrawing;
using dwg_test::Read;

namespace {

fs::path Write(const Drawing& drawing, const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / "fabdoc-dwg-readers";
  fs::create_directories(dir);
  const fs::path file = dir / name;
  WriteDwgFile(drawing, file.string());
  return file;
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
