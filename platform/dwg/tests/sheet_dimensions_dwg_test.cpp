// A dimensioned sheet written to DWG: each automatic dimension is a dimension entity
// that both readers read back with its kind, its text and, from its points and its
// style's length factor, the model figure; its block holds what the sheet walk draws for
// it, the arrowheads as filled triangles. A mitred tube gives a cut angle and two lengths.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "platform/drafting/sheet_dimensions.h"
#include "platform/drafting/sheet_drawing_of.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/tests/part_sheet_fixture.h"
#include "platform/dwg/dwg_writer.h"
#include "platform/dwg/sheet_dwg.h"
#include "tests/support/dwg_readers.h"

using namespace platform;
namespace fs = std::filesystem;
using json = nlohmann::json;

namespace {

class SheetDimensionsDwg : public fabdoc_test::DraftingTest {};

TEST_F(SheetDimensionsDwg, AMitredTubesAngleAndSidesAreDimensionEntitiesWithTheWalksPicture) {
  Part& part = session().NewPart("\\p\\tube.prt");
  // 60 x 60 x 4, top side 800, cut at 45 degrees: the bottom side is 740.
  DrawingSheet& sheet = fabdoc_test::DrawPartSheet(part, fabdoc_test::MitredTube(60, 4, 800, 45), "000-1-管");
  drafting::DimensionSheet(sheet);
  const drafting::SheetDrawing drawn = drafting::DrawingOf(sheet);
  ASSERT_EQ(drawn.dimensions.size(), 3u);
  const dwg::Drawing drawing = dwg::SheetToDwg(drawn);
  const fs::path dir = fs::temp_directory_path() / "fabdoc-tests" / ("sheet-dims-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path file = dir / "tube.dwg";
  dwg::WriteDwgFile(drawing, file.string());
  dwg_test::ExpectBothReadersAgree(file, drawing);

  const json libredwg = dwg_test::Read("read_dwg_libredwg.mjs", file);
  std::map<std::string, double> factors;
  for (const json& d : libredwg["dimensions"]) factors[d["style"]] = d["lengthFactor"];
  for (const json& read : {libredwg, dwg_test::Read("read_dwg_libdxfrw.mjs", file)}) {
    const std::string who = read["reader"];
    ASSERT_EQ(read["dimensions"].size(), 3u) << who;
    std::map<std::string, std::pair<std::string, double>> seen;
    for (const json& d : read["dimensions"]) {
      EXPECT_EQ(d["layer"], "尺寸") << who;
      const double measured = d["sheetMeasured"].get<double>();
      const double figure = d["kind"] == "angular" ? measured : measured * factors.at(d["style"]);
      seen[d["text"]] = {d["kind"], std::round(figure * 1000) / 1000};
    }
    EXPECT_EQ(seen, (std::map<std::string, std::pair<std::string, double>>{
                        {"45°", {"angular", 45}}, {"800", {"linear", 800}}, {"740", {"linear", 740}}}))
        << who;
  }
  // The block of each dimension, written in walk order, is the walk's picture of it.
  for (size_t i = 0; i < drawn.dimensions.size(); ++i) {
    const DimensionGraphics& g = drawn.dimensions[i].drawn;
    const json& read = libredwg["dimensions"][i];
    EXPECT_EQ(read["text"], drawn.dimensions[i].utf8);
    const json& block = libredwg["blocks"][read["block"].get<std::string>()];
    std::map<std::string, int> expected{{"LINE", static_cast<int>(g.lines.size())},
                                        {"SOLID", static_cast<int>(g.arrows.size())},
                                        {"TEXT", 1}};
    if (!g.arcs.empty()) expected["ARC"] = static_cast<int>(g.arcs.size());
    using Counts = std::map<std::string, int>;
    EXPECT_EQ(block["counts"].get<Counts>(), expected) << drawn.dimensions[i].utf8;
    EXPECT_NEAR(read["measurement"].get<double>(), drawn.dimensions[i].value, 1e-9) << drawn.dimensions[i].utf8;
  }
  fs::remove_all(dir);
}

}  // namespace
