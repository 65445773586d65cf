// Dimensions in the DWG files, read back by LibreDWG and libdxfrw: each kind's type,
// points, text and block, the figure a CAD program shows when it recomputes the
// dimension from the sheet points, many dimensions at once, and bad dimensions refused.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>

#include <nlohmann/json.hpp>

#include "platform/dwg/dwg_writer.h"
#include "platform/dwg/tests/dimensioned_sheet.h"
#include "tests/support/dwg_readers.h"

using namespace platform::dwg;
namespace fs = std::filesystem;
using nlohmann::json;

namespace {

fs::path Write(const Drawing& drawing, const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / "fabdoc-dwg-dimensions";
  fs::create_directories(dir);
  const fs::path file = dir / name;
  WriteDwgFile(drawing, file.string());
  return file;
}

std::vector<const Dimension*> DimensionsOf(const Drawing& drawing) {
  std::vector<const Dimension*> dims;
  for (const Entity& e : drawing.entities)
    if (const auto* d = std::get_if<Dimension>(&e.geometry)) dims.push_back(d);
  return dims;
}

const char* KindName(DimensionKind kind) {
  constexpr const char* kNames[] = {"linear", "aligned", "radius", "diameter", "angular"};
  return kNames[static_cast<int>(kind)];
}

void ExpectPoint(const json& read, Point written, const std::string& what) {
  ASSERT_TRUE(read.is_array()) << what;
  EXPECT_NEAR(read[0].get<double>(), written.x, 1e-9) << what;
  EXPECT_NEAR(read[1].get<double>(), written.y, 1e-9) << what;
}

// The points, text and block of one dimension as a reader gives them; `block` is the
// name of its block (libdxfrw does not say which block a dimension draws: LibreDWG does).
void ExpectSameDimension(const json& summary, const json& read, const std::string& block, const Dimension& d) {
  const std::string who = summary["reader"];
  const std::string what = who + " " + KindName(d.kind) + " " + std::to_string(d.value);
  EXPECT_EQ(read["kind"], KindName(d.kind)) << what;
  EXPECT_EQ(read["layer"], dwg_test::kDimensionLayer) << what;
  EXPECT_EQ(read["text"], d.utf8) << what;
  const json& p = read["points"];
  ExpectPoint(p["definition"], d.definition, what + " definition point");
  ExpectPoint(p["text"], d.textMidpoint, what + " text midpoint");
  if (d.kind == DimensionKind::Radius || d.kind == DimensionKind::Diameter) {
    ExpectPoint(p["arc"], d.arcPoint, what + " arc point");
  } else {
    ExpectPoint(p["first"], d.firstOrigin, what + " first origin");
    ExpectPoint(p["second"], d.secondOrigin, what + " second origin");
  }
  if (d.kind == DimensionKind::Angular) ExpectPoint(p["vertex"], d.vertex, what + " vertex");
  if (d.kind == DimensionKind::Linear) {
    EXPECT_NEAR(read["rotationDeg"].get<double>(), d.rotationDeg, 1e-9) << what;
  }
  // The anonymous block holds the picture, entity for entity.
  EXPECT_EQ(block.substr(0, 2), "*D") << what;
  ASSERT_TRUE(summary["blocks"].contains(block)) << what << " block " << block;
  const json& picture = summary["blocks"][block];
  using Counts = std::map<std::string, int>;
  Counts expected;
  if (!d.picture.lines.empty()) expected["LINE"] = static_cast<int>(d.picture.lines.size());
  if (!d.picture.arcs.empty()) expected["ARC"] = static_cast<int>(d.picture.arcs.size());
  if (!d.picture.solids.empty()) expected["SOLID"] = static_cast<int>(d.picture.solids.size());
  expected["TEXT"] = static_cast<int>(d.picture.texts.size());
  EXPECT_EQ(picture["counts"].get<Counts>(), expected) << what;
  ASSERT_EQ(picture["texts"].size(), d.picture.texts.size()) << what;
  EXPECT_EQ(picture["texts"][0], d.picture.texts[0].utf8) << what;
  // What a CAD program shows: a length recomputed from the sheet points is the
  // model figure once multiplied by the style's factor; an angle is the angle.
  if (d.kind == DimensionKind::Angular) {
    EXPECT_NEAR(read["sheetMeasured"].get<double>(), d.value, 1e-9) << what;
  } else {
    EXPECT_NEAR(read["sheetMeasured"].get<double>(), d.value * d.scale, 1e-9) << what;
  }
}

}  // namespace

TEST(DwgDimensions, BothReadersReadEachKindWithItsFigureTextAndBlock) {
  const Drawing sheet = dwg_test::DimensionedSheet();
  const std::vector<const Dimension*> written = DimensionsOf(sheet);
  ASSERT_EQ(written.size(), 6u);
  const fs::path file = Write(sheet, "尺寸.dwg");
  const json libredwg = dwg_test::Read("read_dwg_libredwg.mjs", file);
  const json libdxfrw = dwg_test::Read("read_dwg_libdxfrw.mjs", file);
  ASSERT_EQ(libredwg["dimensions"].size(), written.size());
  for (const json* read : {&libredwg, &libdxfrw}) {
    dwg_test::ExpectSameDrawing(*read, sheet);
    ASSERT_EQ((*read)["dimensions"].size(), written.size()) << (*read)["reader"];
    for (size_t i = 0; i < written.size(); ++i)
      ExpectSameDimension(*read, (*read)["dimensions"][i], libredwg["dimensions"][i]["block"], *written[i]);
  }
  // LibreDWG also gives the stored measurement and the style's length factor: both
  // show the model figure, at 1:2 as at 1:1.
  std::map<std::string, double> factors;
  for (size_t i = 0; i < written.size(); ++i) {
    const json& d = libredwg["dimensions"][i];
    const std::string what = std::string(KindName(written[i]->kind)) + " " + std::to_string(written[i]->value);
    EXPECT_NEAR(d["measurement"].get<double>(), written[i]->value, 1e-9) << what;
    EXPECT_NEAR(d["shown"].get<double>(), written[i]->value, 1e-9) << what;
    factors[d["style"]] = d["lengthFactor"];
    EXPECT_EQ(d["style"], libdxfrw["dimensions"][i]["style"]) << what << ": both readers name the same style";
    EXPECT_NE(d["block"], i > 0 ? libredwg["dimensions"][i - 1]["block"] : json()) << what;
  }
  EXPECT_EQ(factors, (std::map<std::string, double>{{"GB3.5 x2", 2.0}, {"GB3.5", 1.0}}));
  EXPECT_EQ(libredwg["dimensionStyle"], "GB3.5 x2") << "the first dimension's style is the current one";
  for (const json& style : libredwg["dimensionStyles"]) EXPECT_DOUBLE_EQ(style["textHeight"].get<double>(), 3.5);
}

TEST(DwgDimensions, BothReadersReadTwoHundredDimensions) {
  const Drawing sheet = dwg_test::ManyDimensionsSheet(200);
  const std::vector<const Dimension*> written = DimensionsOf(sheet);
  const fs::path file = Write(sheet, "200.dwg");
  const json libredwg = dwg_test::Read("read_dwg_libredwg.mjs", file);
  ASSERT_EQ(libredwg["dimensions"].size(), 200u);
  std::set<std::string> blocks;
  for (const json& d : libredwg["dimensions"]) blocks.insert(d["block"]);
  EXPECT_EQ(blocks.size(), 200u) << "each dimension has a block of its own";
  for (const json& read : {libredwg, dwg_test::Read("read_dwg_libdxfrw.mjs", file)}) {
    const std::string who = read["reader"];
    dwg_test::ExpectSameDrawing(read, sheet);
    ASSERT_EQ(read["dimensions"].size(), 200u) << who;
    for (size_t i = 0; i < written.size(); ++i) {
      const json& d = read["dimensions"][i];
      EXPECT_NEAR(d["sheetMeasured"].get<double>() * 5, written[i]->value, 1e-9) << who << " dimension " << i;
      const std::string block = libredwg["dimensions"][i]["block"];
      EXPECT_EQ(read["blocks"][block]["texts"][0], written[i]->picture.texts[0].utf8) << who << " dimension " << i;
    }
  }
}

TEST(DwgDimensions, BadDimensionsAreRefusedNamingTheEntity) {
  auto refuses = [](const Dimension& dimension, const std::string& expected) {
    Drawing d = dwg_test::DimensionedSheet();
    d.entities.push_back({dwg_test::kDimensionLayer, dimension});
    const std::string entity = "entity " + std::to_string(d.entities.size());
    try {
      EncodeDwg(d);
      ADD_FAILURE() << "accepted a dimension that should fail with: " << expected;
    } catch (const std::invalid_argument& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find(expected), std::string::npos) << message;
      EXPECT_NE(message.find(entity), std::string::npos) << message;
    }
  };
  const Dimension good = dwg_test::LengthDimension(DimensionKind::Linear, {50, 40}, 0.5, {0, 0}, {240, 0}, 0, -10, "");
  Dimension d = good;
  d.value = 250;
  refuses(d, "is given as 250 mm but its points measure 120 sheet mm, 240 mm at scale 0.5");
  d = good;
  d.scale = 0;
  refuses(d, "has scale 0");
  d = good;
  d.value = -240;
  refuses(d, "must be positive");
  d = good;
  d.rotationDeg = 90;  // now it measures across the points: nothing
  refuses(d, "is given as 240 mm but its points measure");
  d = good;
  d.secondOrigin.x = std::nan("");
  refuses(d, "not a number");
  d = good;
  d.picture.texts.clear();
  refuses(d, "draws no text");
  d = good;
  d.picture.solids[0].corners[1].y = INFINITY;
  refuses(d, "(an arrowhead) has a coordinate that is not a number");
  d = good;
  d.kind = static_cast<DimensionKind>(7);
  refuses(d, "unknown kind 7");
  d = good;
  d.textHeight = 0;
  refuses(d, "text height");
  // Legs along +x and +y: 90° one way round, 270° the other.
  auto rightAngle = [&](double value) {
    Dimension a = good;
    a.kind = DimensionKind::Angular;
    a.vertex = {0, 0};
    a.firstOrigin = {10, 0};
    a.secondOrigin = {0, 10};
    a.value = value;
    return a;
  };
  refuses(rightAngle(45), "given as 45 degrees but its points make 90");
  d = good;
  d.utf8 = "\xff";
  refuses(d, "not UTF-8");
  d = good;
  d.picture.texts[0].utf8 = "Größe";
  refuses(d, "cannot be written in GBK");
  Drawing accepted = dwg_test::DimensionedSheet();
  accepted.entities.push_back({dwg_test::kDimensionLayer, rightAngle(270)});
  EXPECT_NO_THROW(EncodeDwg(accepted)) << "the reflex angle of the same legs";
}
