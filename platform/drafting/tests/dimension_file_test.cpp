// Dimensions, part marks and hole tables in the part file: they come back as saved; a damaged record is
// refused naming the file; a file of the previous format version, without dimensions,
// still opens.
#include <fstream>
#include <functional>
#include <sstream>

#include <BRepPrimAPI_MakeBox.hxx>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <zlib.h>

#include "platform/base/host_error.h"
#include "platform/drafting/delete_object.h"
#include "platform/drafting/sheet_dimensions.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/tests/drafting_shapes.h"
#include "platform/drafting/tests/part_sheet_fixture.h"
#include "platform/files/part_file.h"
#include "platform/geometry/body.h"
#include "platform/text/gbk.h"

using namespace platform;
using namespace platform::drafting;

namespace {

// What is done to a record, and what the refusal must say.
using Damages = std::vector<std::pair<std::string, std::function<void(nlohmann::json&)>>>;

class DimensionFile : public fabdoc_test::DraftingTest {
protected:
  std::string dir = fabdoc_test::FreshDir("dimension-file");
  std::string local = dir + "/plate.prt";

  // Saves a plate with four holes, dimensioned; returns its dimensions' texts.
  std::vector<std::string> SaveDimensionedPlate() {
    Part& part = session().NewPart(ToAbsoluteHostPath(local));
    DrawingSheet& sheet = fabdoc_test::DrawPartSheet(
        part, drafting_test::PlateWithHoles(300, 200, 10, 18, {{-100, -60}, {100, -60}, {-100, 60}, {100, 60}}), "板");
    DimensionSheet(sheet);
    std::vector<std::string> texts;
    for (const Dimension* d : DimensionsOf(sheet)) texts.push_back(d->text);
    files::SavePart(part, part.path);
    session().Reset();
    return texts;
  }
  // Each damage done to the first record of `kind` in a copy of `pristine`: the file is
  // refused naming it and why, and nothing of it is left loaded.
  void ExpectRefused(const std::string& pristine, const std::string& kind, const Damages& damages);
};

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The file's parts: header, description, the rest up to the checksum; edited, then put
// back together with a fresh checksum, as a damaged but well-framed file.
void EditFile(const std::string& path, const std::function<void(std::string& header, nlohmann::json&)>& edit) {
  const std::string bytes = FileBytes(path);
  const size_t headerEnd = bytes.find('\n') + 1;
  std::string header = bytes.substr(0, headerEnd);
  std::uint64_t length = 0;
  for (int i = 0; i < 8; ++i) length |= std::uint64_t(static_cast<unsigned char>(bytes[headerEnd + i])) << (8 * i);
  nlohmann::json description = nlohmann::json::parse(bytes.substr(headerEnd + 8, length));
  const std::string shapes = bytes.substr(headerEnd + 8 + length, bytes.size() - (headerEnd + 8 + length) - 8);
  edit(header, description);
  const std::string text = description.dump();
  std::string out = header;
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((text.size() >> (8 * i)) & 0xff));
  out += text + shapes;
  const std::uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(out.data()), out.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((crc >> (8 * i)) & 0xff));
  out += "END\n";
  std::ofstream(path, std::ios::binary | std::ios::trunc) << out;
}

void DimensionFile::ExpectRefused(const std::string& pristine, const std::string& kind, const Damages& damages) {
  for (const auto& [why, damage] : damages) {
    std::ofstream(local, std::ios::binary | std::ios::trunc) << pristine;
    EditFile(local, [&](std::string&, nlohmann::json& description) {
      for (auto& object : description["objects"])
        if (object["kind"] == kind) return damage(object);
    });
    try {
      files::OpenPart(ToAbsoluteHostPath(local));
      ADD_FAILURE() << why << ": opened";
    } catch (const HostError& e) {
      EXPECT_NE(std::string(e.what()).find("plate.prt"), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
    }
    EXPECT_TRUE(session().Parts().empty()) << why << ": nothing half-loaded";
  }
}

nlohmann::json& FirstDimension(nlohmann::json& description) {
  for (auto& object : description["objects"])
    if (object["kind"] == "dimension") return object;
  throw std::runtime_error("no dimension in the file");
}

}  // namespace

TEST_F(DimensionFile, DimensionsComeBackAsSaved) {
  const auto texts = SaveDimensionedPlate();
  ASSERT_EQ(texts.size(), 8u);
  Part& back = files::OpenPart(ToAbsoluteHostPath(local));
  const auto dims = DimensionsOf(*SheetsOf(back).front());
  ASSERT_EQ(dims.size(), texts.size());
  for (size_t i = 0; i < dims.size(); ++i) EXPECT_EQ(dims[i]->text, texts[i]);
  const Dimension* diameter = dims[2];
  for (const Dimension* d : dims)
    if (d->kind == DimensionKind::Diameter) diameter = d;
  EXPECT_EQ(diameter->text, "4×⌀18");
  EXPECT_EQ(diameter->count, 4);
  EXPECT_TRUE(diameter->automatic);
  EXPECT_FALSE(diameter->drawn.arrows.empty());
  EXPECT_FALSE(diameter->drawn.textBox.empty);
}

TEST_F(DimensionFile, DamagedDimensionRecordsAreRefusedNamingTheFile) {
  SaveDimensionedPlate();
  const std::string pristine = FileBytes(local);
  const std::vector<std::pair<std::string, std::function<void(nlohmann::json&)>>> damages = {
      {"unknown kind", [](nlohmann::json& d) { d["dimension"] = "spiral"; }},
      {"count 0 below 1", [](nlohmann::json& d) { d["count"] = 0; }},
      {"empty text", [](nlohmann::json& d) { d["text"] = ""; }},
      {"swapped", [](nlohmann::json& d) { d["textBox"] = {10, 10, 0, 0}; }},
      {"is not in the file", [](nlohmann::json& d) { d["view"] = 99999; }},
      {"damaged part description", [](nlohmann::json& d) { d.erase("arrows"); }},
      {"text height not above 0", [](nlohmann::json& d) { d["textHeight"] = -3.5; }},
  };
  for (const auto& [why, damage] : damages) {
    std::ofstream(local, std::ios::binary | std::ios::trunc) << pristine;
    EditFile(local, [&](std::string&, nlohmann::json& description) { damage(FirstDimension(description)); });
    try {
      files::OpenPart(ToAbsoluteHostPath(local));
      ADD_FAILURE() << why << ": opened";
    } catch (const HostError& e) {
      EXPECT_EQ(e.Status(), HostStatus::BadPartFile) << why;
      EXPECT_NE(std::string(e.what()).find("plate.prt"), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
    }
    EXPECT_TRUE(session().Parts().empty()) << why << ": nothing half-loaded";
  }
}

TEST_F(DimensionFile, AFileOfThePreviousVersionOpensAndAVersion3DimensionIsRefused) {
  SaveDimensionedPlate();
  const std::string pristine = FileBytes(local);
  // Version 3 had no dimensions: without them the file opens, sheets and views intact.
  EditFile(local, [](std::string& header, nlohmann::json& description) {
    header = "FABDOC-PART 3\n";
    nlohmann::json kept = nlohmann::json::array();
    for (auto& object : description["objects"])
      if (object["kind"] != "dimension") kept.push_back(object);
    description["objects"] = kept;
  });
  Part& old = files::OpenPart(ToAbsoluteHostPath(local));
  ASSERT_EQ(SheetsOf(old).size(), 1u);
  EXPECT_EQ(ViewsOf(*SheetsOf(old).front()).size(), 4u);
  EXPECT_TRUE(DimensionsOf(*SheetsOf(old).front()).empty());
  session().Reset();
  std::ofstream(local, std::ios::binary | std::ios::trunc) << pristine;
  EditFile(local, [](std::string& header, nlohmann::json&) { header = "FABDOC-PART 3\n"; });
  EXPECT_THROW(files::OpenPart(ToAbsoluteHostPath(local)), HostError);
}

TEST_F(DimensionFile, ADeletedViewTakesItsDimensionsAlongSoTheFileStillOpens) {
  SaveDimensionedPlate();
  Part& part = files::OpenPart(ToAbsoluteHostPath(local));
  DrawingSheet& sheet = *SheetsOf(part).front();
  const size_t before = DimensionsOf(sheet).size();
  DraftingView& lower = *ViewsOf(sheet).at(1);  // the view from above: the holes' positions
  size_t onLower = 0;
  for (const Dimension* d : DimensionsOf(sheet)) onLower += d->viewPid == lower.pid;
  ASSERT_GT(onLower, 0u);
  DeleteWithDependants(lower);
  EXPECT_EQ(DimensionsOf(sheet).size(), before - onLower);
  files::SavePart(part, part.path);
  session().Reset();
  EXPECT_EQ(DimensionsOf(*SheetsOf(files::OpenPart(ToAbsoluteHostPath(local))).front()).size(), before - onLower);
}

// Part marks of a sub-assembly sheet come back with their numbers and balloons; a mark
// without its circle, or naming a view the file lacks, is refused naming the file.
TEST_F(DimensionFile, PartMarksComeBackAsSavedAndDamagedOnesAreRefused) {
  {
    Part& part = session().NewPart(ToAbsoluteHostPath(local));
    part.attributes.Set("DB_PART_NO", "XJ");
    DrawingSheet& sheet = fabdoc_test::DrawBodiesSheet(
        part, {BRepPrimAPI_MakeBox(300, 200, 10).Shape(), BRepPrimAPI_MakeBox(gp_Pnt(0, 0, 10), 100, 50, 80).Shape()},
        "1-0组件-架");
    int n = 0;
    for (const auto& object : part.Objects())
      if (auto* body = dynamic_cast<Body*>(object.get())) body->attributes.Set("DB_PART_NO", "XJ-1-" + std::to_string(++n));
    DimensionSheet(sheet);
    ASSERT_EQ(PartMarksOf(sheet).size(), 2u);
    files::SavePart(part, part.path);
    session().Reset();
  }
  const std::string pristine = [&] {
    std::ifstream in(local, std::ios::binary);
    std::stringstream b;
    b << in.rdbuf();
    return b.str();
  }();
  Part& back = files::OpenPart(ToAbsoluteHostPath(local));
  std::vector<std::string> texts;
  for (const PartMark* m : PartMarksOf(*SheetsOf(back).front())) {
    texts.push_back(m->text);
    EXPECT_EQ(m->drawingNumber, "XJ-" + m->text);
    EXPECT_EQ(m->drawn.arcs.size(), 1u);
    EXPECT_TRUE(m->automatic);
  }
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<std::string>{"1-1", "1-2"}));
  session().Reset();
  const Damages damages = {
      {"a balloon needs its circle", [](nlohmann::json& m) { m["arcs"] = nlohmann::json::array(); }},
      {"no number in the balloon", [](nlohmann::json& m) { m["text"] = ""; }},
      {"is not in the file", [](nlohmann::json& m) { m["view"] = 99999; }},
  };
  ExpectRefused(pristine, "partMark", damages);
}

TEST_F(DimensionFile, HoleTablesComeBackAsSavedGoWithTheirViewAndDamagedOnesAreRefused) {
  std::vector<Point2> crowded;
  for (int i = 0; i < 12; ++i) crowded.push_back({-200 + i * (3.0 + i), 0});
  HoleTableGrid saved;
  {
    Part& part = session().NewPart(ToAbsoluteHostPath(local));
    DrawingSheet& sheet = fabdoc_test::DrawPartSheet(part, drafting_test::PlateWithHoles(600, 50, 8, 2, crowded), "密孔");
    DimensionSheet(sheet);
    ASSERT_EQ(HoleTablesOf(sheet).size(), 1u);
    saved = HoleTablesOf(sheet).front()->grid;
    files::SavePart(part, part.path);
    session().Reset();
  }
  const std::string pristine = FileBytes(local);
  {
    Part& back = files::OpenPart(ToAbsoluteHostPath(local));
    DrawingSheet& sheet = *SheetsOf(back).front();
    ASSERT_EQ(HoleTablesOf(sheet).size(), 1u);
    const HoleTableGrid& t = HoleTablesOf(sheet).front()->grid;
    EXPECT_EQ(t.cells, saved.cells);
    EXPECT_EQ(t.columnWidths, saved.columnWidths);
    EXPECT_EQ(t.rowHeights, saved.rowHeights);
    EXPECT_EQ(t.holes, 12);
    EXPECT_EQ(t.viewPid, saved.viewPid);
    EXPECT_DOUBLE_EQ(t.topLeft.x, saved.topLeft.x);
    EXPECT_DOUBLE_EQ(t.datum.y, saved.datum.y);
    // Deleting the view showing the holes takes the table along; the file still opens.
    DeleteWithDependants(*back.FindByPid(t.viewPid));
    EXPECT_TRUE(HoleTablesOf(sheet).empty());
    files::SavePart(back, back.path);
    session().Reset();
    EXPECT_TRUE(HoleTablesOf(*SheetsOf(files::OpenPart(ToAbsoluteHostPath(local))).front()).empty());
    session().Reset();
  }
  const Damages damages = {
      {"cells for", [](nlohmann::json& t) { t["cells"].erase(0); }},
      {"not above 0 mm", [](nlohmann::json& t) { t["rowHeights"][0] = -6; }},
      {"a point needs two coordinates", [](nlohmann::json& t) { t["datum"] = {1.0}; }},
      {"is not in the file", [](nlohmann::json& t) { t["view"] = 99999; }},
  };
  ExpectRefused(pristine, "holeTable", damages);
}
