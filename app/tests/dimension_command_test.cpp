// `fabdoc dimension` end to end on a saved part: a flat bar with three equally spaced
// holes gets its positions and "3×⌀18", read back from `fabdoc info --json` and from the
// sheet's DWG by both readers; a rerun replaces rather than adds; an unknown sheet is an
// error naming it, and a sheet that cannot be dimensioned fails the command naming it
// while the others are still done and saved.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/commands.h"
#include "platform/drafting/sheet_drawing_of.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/drafting_shapes.h"
#include "platform/drafting/tests/part_sheet_fixture.h"
#include "platform/dwg/dwg_writer.h"
#include "platform/dwg/sheet_dwg.h"
#include "platform/files/part_file.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "tests/support/dwg_readers.h"

using namespace fabdoc::app;
namespace fs = std::filesystem;

namespace {

class DimensionCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / "fabdoc-tests" / ("dimension-cmd-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    file = (dir / "bar.prt").string();
    platform::Session::Get().Reset();
    platform::Part& part = platform::Session::Get().NewPart(platform::ToHostPath(file));
    // 600 x 50 x 8, holes of 18 at 150, 300 and 450 from the left end, 25 from the edge.
    fabdoc_test::DrawPartSheet(part, drafting_test::PlateWithHoles(600, 50, 8, 18, {{-150, 0}, {0, 0}, {150, 0}}),
                               "000-1-扁钢");
    // A sheet whose view was never drawn: the command must name it and go on.
    platform::drafting::AddSheet(part, platform::text::ToGbk("000-2-空"), 210, 297);
    platform::files::SavePart(part, part.path);
    platform::Session::Get().Reset();
  }
  void TearDown() override { platform::Session::Get().Reset(); }

  int Run(const Args& args, std::string* out = nullptr, std::string* err = nullptr) {
    platform::Session::Get().Reset();
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int code = DimensionCommand(args);
    const std::string o = testing::internal::GetCapturedStdout(), e = testing::internal::GetCapturedStderr();
    if (out) *out = o;
    if (err) *err = e;
    return code;
  }
  nlohmann::json Info() {
    platform::Session::Get().Reset();
    testing::internal::CaptureStdout();
    EXPECT_EQ(InfoCommand({file, "--json"}), 0);
    return nlohmann::json::parse(testing::internal::GetCapturedStdout());
  }
  fs::path dir;
  std::string file;
};

}  // namespace

TEST_F(DimensionCommandTest, PositionsAndDiametersReadBackFromInfoAndFromTheDwg) {
  std::string out, err;
  EXPECT_EQ(Run({file}, &out, &err), 1) << "one sheet failed";
  EXPECT_NE(out.find("sheet \"000-1-扁钢\": 7 dimensions"), std::string::npos) << out;
  EXPECT_NE(err.find("sheet \"000-2-空\": it has no views to dimension"), std::string::npos) << err;

  const nlohmann::json sheet = Info()["sheets"][0];
  std::map<std::string, nlohmann::json> byText;
  for (const auto& d : sheet["dimensions"]) byText[d["text"]] = d;
  ASSERT_EQ(byText.size(), 7u) << sheet["dimensions"].dump();
  EXPECT_EQ(byText["150"]["kind"], "running");
  EXPECT_EQ(byText["25"]["kind"], "running");
  EXPECT_EQ(byText["2×150=300"]["count"], 2);
  EXPECT_EQ(byText["2×150=300"]["value"], 150.0);
  EXPECT_EQ(byText["3×⌀18"]["kind"], "diameter");
  EXPECT_EQ(byText["3×⌀18"]["count"], 3);
  EXPECT_EQ(byText["3×⌀18"]["value"], 18.0);
  for (const char* size : {"600", "50", "8"}) EXPECT_EQ(byText[size]["kind"], "linear") << size;

  // The DWG of the sheet as the translator writes it, through the same walk.
  platform::Session::Get().Reset();
  platform::Part& part = platform::files::OpenPart(platform::ToHostPath(file));
  const platform::dwg::Drawing drawing =
      platform::dwg::SheetToDwg(platform::drafting::DrawingOf(*platform::drafting::SheetsOf(part).front()));
  const fs::path dwg = dir / "bar.dwg";
  platform::dwg::WriteDwgFile(drawing, dwg.string());
  dwg_test::ExpectBothReadersAgree(dwg, drawing);
  // Each one a dimension entity: its kind, its text, and what a CAD program measures
  // between its points, times the style's length factor, is the model figure (one
  // pitch for the pitch, the diameter for the diameter).
  const std::map<std::string, std::pair<std::string, double>> expected{
      {"150", {"linear", 150}}, {"25", {"linear", 25}},       {"2×150=300", {"linear", 150}},
      {"3×⌀18", {"diameter", 18}}, {"600", {"linear", 600}}, {"50", {"linear", 50}}, {"8", {"linear", 8}}};
  const nlohmann::json libredwg = dwg_test::Read("read_dwg_libredwg.mjs", dwg);
  std::map<std::string, double> factors;
  for (const auto& d : libredwg["dimensions"]) factors[d["style"]] = d["lengthFactor"];
  for (const nlohmann::json& read : {libredwg, dwg_test::Read("read_dwg_libdxfrw.mjs", dwg)}) {
    const std::string who = read["reader"];
    EXPECT_TRUE(read["texts"].empty() || std::none_of(read["texts"].begin(), read["texts"].end(),
                                                       [](const auto& t) { return t["layer"] == "尺寸"; }))
        << who << ": no loose dimension texts left beside the entities";
    std::map<std::string, std::pair<std::string, double>> seen;
    for (const auto& d : read["dimensions"]) {
      EXPECT_EQ(d["layer"], "尺寸") << who;
      ASSERT_TRUE(factors.count(d["style"])) << who << " style " << d["style"];
      const double shown = d["sheetMeasured"].get<double>() * factors[d["style"]];
      seen[d["text"]] = {d["kind"], std::round(shown * 1000) / 1000};
    }
    EXPECT_EQ(seen, expected) << who;
  }
  for (const auto& d : libredwg["dimensions"])
    EXPECT_NEAR(d["measurement"].get<double>(), expected.at(d["text"]).second, 1e-9) << d["text"];

  // Again on that sheet alone: the same dimensions, made anew, none added.
  EXPECT_EQ(Run({file, "--sheet", "000-1-扁钢"}, &out), 0);
  const nlohmann::json again = Info()["sheets"][0]["dimensions"];
  EXPECT_EQ(again.size(), 7u) << "replaced, not added to";
}

TEST_F(DimensionCommandTest, AnUnknownSheetIsAnErrorNamingIt) {
  try {
    Run({file, "--sheet", "9-9-无"});
    ADD_FAILURE() << "ran";
  } catch (const std::exception& e) {
    testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string(e.what()).find("no sheet named \"9-9-无\""), std::string::npos) << e.what();
  }
  EXPECT_TRUE(Info()["sheets"][0]["dimensions"].empty()) << "nothing was made";
}

// 500 holes of 18 in a 1300 x 900 plate: 20 rows 40 apart, each with the same 25
// positions at uneven gaps of 30, 40 and 50 mm. On A4 their running dimensions find no
// room, so the holes go into a hole table, which info lists, the DWG carries on 尺寸 and
// a rerun replaces.
TEST_F(DimensionCommandTest, HolesWithoutRoomGoIntoAHoleTableListedByInfoAndReadBackFromTheDwg) {
  std::vector<double> xs{100};
  while (xs.size() < 25) xs.push_back(xs.back() + 30 + 10 * ((xs.size() - 1) % 3));
  std::vector<platform::drafting::Point2> holes;
  for (int row = 0; row < 20; ++row)
    for (double x : xs) holes.push_back({x - 650, 70 + 40.0 * row - 450});
  const std::string plate = (dir / "plate.prt").string();
  platform::Session::Get().Reset();
  platform::Part& part = platform::Session::Get().NewPart(platform::ToHostPath(plate));
  fabdoc_test::DrawPartSheet(part, drafting_test::PlateWithHoles(1300, 900, 10, 18, holes), "000-3-孔板");
  platform::files::SavePart(part, part.path);

  std::string out;
  ASSERT_EQ(Run({plate}, &out), 0) << out;
  EXPECT_NE(out.find("1 hole table"), std::string::npos) << out;
  file = plate;
  const nlohmann::json sheet = Info()["sheets"][0];
  ASSERT_EQ(sheet["hole_tables"].size(), 1u) << sheet.dump();
  const nlohmann::json table = sheet["hole_tables"][0];
  EXPECT_EQ(table["holes"], 500);
  EXPECT_EQ(table["rows"][0], (nlohmann::json{"孔径", "数量", "X", "Y"}));
  // Every X position once across the rows, each row over every line of holes.
  std::string columns;
  int counted = 0;
  for (size_t r = 1; r < table["rows"].size(); ++r) {
    const nlohmann::json& row = table["rows"][r];
    EXPECT_EQ(row[0], "⌀18");
    EXPECT_EQ(row[3], "70, 19×40=760") << "the rows of holes, 70 from the bottom edge, 40 apart";
    counted += std::stoi(row[1].get<std::string>());
    columns += (columns.empty() ? "" : ", ") + row[2].get<std::string>();
  }
  EXPECT_EQ(counted, 500);
  std::string expected;
  for (double x : xs) expected += (expected.empty() ? "" : ", ") + std::to_string(static_cast<int>(x));
  EXPECT_EQ(columns, expected);
  for (const auto& d : sheet["dimensions"])
    EXPECT_TRUE(d["kind"] == "linear" && d["text"] != "500×⌀18") << "only the sizes besides the table: " << d["text"];
  // Clear of the views, the title block and the dimensions, inside the frame.
  const auto apart = [](const nlohmann::json& a, const nlohmann::json& b) {
    return a[2] <= b[0] || b[2] <= a[0] || a[3] <= b[1] || b[3] <= a[1];
  };
  const nlohmann::json box = table["box"];
  for (const auto& v : sheet["views"]) EXPECT_TRUE(apart(box, v["box"])) << v["name"];
  for (const auto& d : sheet["dimensions"]) EXPECT_TRUE(apart(box, d["text_box"])) << d["text"];
  const auto& note = sheet["notes"][0];
  const double left = note["position"][0], top = note["position"][1];
  double right = left, bottom = top;
  for (double w : note["column_widths"]) right += w;
  for (double h : note["row_heights"]) bottom -= h;
  EXPECT_TRUE(apart(box, nlohmann::json{left, bottom, right, top})) << "the title block";
  EXPECT_TRUE(box[0] >= 25 && box[2] <= 205 && box[1] >= 5 && box[3] <= 292) << box;

  // The DWG: the table's cells as texts on 尺寸, the datum a circle there, read by both.
  platform::Session::Get().Reset();
  platform::Part& opened = platform::files::OpenPart(platform::ToHostPath(plate));
  const platform::dwg::Drawing drawing =
      platform::dwg::SheetToDwg(platform::drafting::DrawingOf(*platform::drafting::SheetsOf(opened).front()));
  const fs::path dwg = dir / "plate.dwg";
  platform::dwg::WriteDwgFile(drawing, dwg.string());
  dwg_test::ExpectBothReadersAgree(dwg, drawing);
  std::multiset<std::string> cells;
  for (const auto& row : table["rows"])
    for (const auto& cell : row) cells.insert(cell.get<std::string>());
  for (const std::string script : dwg_test::kReaderScripts) {
    const nlohmann::json read = dwg_test::Read(script, dwg);
    std::multiset<std::string> texts;
    for (const auto& t : read["texts"])
      if (t["layer"] == "尺寸") texts.insert(t["text"].get<std::string>());
    EXPECT_EQ(texts, cells) << script;
    EXPECT_EQ(read["countsByLayer"]["尺寸"]["CIRCLE"], 1) << script << ": the datum";
  }

  // A rerun replaces the table; the text output names it.
  ASSERT_EQ(Run({plate}), 0);
  EXPECT_EQ(Info()["sheets"][0]["hole_tables"].size(), 1u);
  platform::Session::Get().Reset();
  testing::internal::CaptureStdout();
  EXPECT_EQ(InfoCommand({plate}), 0);
  const std::string text = testing::internal::GetCapturedStdout();
  EXPECT_NE(text.find("hole table on " + table["view"].get<std::string>() + ": 500 holes in " +
                      std::to_string(table["rows"].size() - 1) + " rows"),
            std::string::npos)
      << text;
}
