// Flat-blank DXF files read back by ezdxf: a clean audit, the outline, holes and bend
// lines on their layers, the bend's text, the blank's extent; a failed write keeps the
// file that was there.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <numbers>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <gp_Ax2.hxx>

#include "platform/base/host_error.h"
#include "platform/files/flat_blank_dxf.h"
#include "platform/geometry/sheet_metal/bent_profile.h"
#include "tests/support/dwg_readers.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

// An angle bracket: t = 4, r = 6, flats 80 + 60, 150 wide, bent 90 degrees, with a
// 12 mm hole through the longer wall.
sheet_metal::FlatBlank Bracket() {
  const sheet_metal::BentProfile profile{4, 6, {80, 60}, {90}};
  TopoDS_Shape bracket = sheet_metal::BuildBentSection(profile, 150);
  bracket = BRepAlgoAPI_Cut(bracket, BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(40, 75, -10), gp::DZ()), 6, 20).Shape()).Shape();
  return sheet_metal::DevelopBlank(bracket, "bracket");
}

fs::path Folder() {
  const fs::path dir = fs::temp_directory_path() / "fabdoc-flat-dxf";
  fs::create_directories(dir);
  return dir;
}

}  // namespace

TEST(FlatBlankDxf, EzdxfAuditsCleanAndReadsTheBlank) {
  const sheet_metal::FlatBlank blank = Bracket();
  const fs::path file = Folder() / "P-3-1.dxf";
  files::WriteFlatBlankDxf(blank, file.string(), file.string());
  const nlohmann::json read = dwg_test::ReadDxf(file);
  ASSERT_TRUE(read["ok"]) << read.dump();
  EXPECT_EQ(read["version"], "AC1015");
  EXPECT_EQ(read["units"], 4);
  EXPECT_TRUE(read["auditErrors"].empty()) << read["auditErrors"].dump();
  const auto& counts = read["countsByLayer"];
  EXPECT_EQ(counts["OUTER"]["LINE"], 4);
  EXPECT_EQ(counts["INNER"]["CIRCLE"], 1);
  EXPECT_EQ(counts["BEND"]["LINE"], 1);
  EXPECT_EQ(counts["BEND"]["TEXT"], 1);
  ASSERT_EQ(read["texts"].size(), 1u);
  EXPECT_EQ(read["texts"][0]["text"], "90%%d R6");
  // The extent ezdxf computes is the blank: 150 wide, flats plus the neutral arc long.
  const double length = 140 + std::numbers::pi / 2 * (6 + 0.33 * 4);
  const auto& e = read["extents"];
  EXPECT_NEAR(e["min"][0].get<double>(), 0, 1e-6);
  EXPECT_NEAR(e["min"][1].get<double>(), 0, 1e-6);
  const double w = e["max"][0].get<double>(), h = e["max"][1].get<double>();
  EXPECT_NEAR(std::min(w, h), std::min(150.0, length), 1e-6);
  EXPECT_NEAR(std::max(w, h), std::max(150.0, length), 1e-6);
}

TEST(FlatBlankDxf, AnUnwritableFolderIsNamedAndLeavesNoFile) {
  const fs::path file = Folder() / "kept.dxf";
  { std::ofstream(file) << "earlier"; }
  const fs::path missing = Folder() / "no such folder" / "x.dxf";
  EXPECT_THROW(files::WriteFlatBlankDxf(Bracket(), missing.string(), missing.string()), HostError);
  EXPECT_FALSE(fs::exists(missing));
  // A blank written over the file replaces it whole.
  files::WriteFlatBlankDxf(Bracket(), file.string(), file.string());
  EXPECT_TRUE(dwg_test::ReadDxf(file)["auditErrors"].empty());
  EXPECT_GT(fs::file_size(file), 1000u);
}
