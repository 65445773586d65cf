// The renderer and the DWG writer draw a sheet from the same walk: a view whose hidden-line
// font is invisible loses its dashed edges in both, the other views keep theirs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "platform/drafting/sheet_drawing_of.h"
#include "platform/drafting/sheet_renderer.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/views.h"
#include "platform/dwg/dwg_writer.h"
#include "platform/dwg/sheet_dwg.h"
#include "platform/files/sheet_template.h"
#include "platform/text/gbk.h"
#include "tests/support/dwg_readers.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

class SheetWalk : public fabdoc_test::DraftingTest {};

// The points of every dashed path of a cairo SVG, in sheet millimetres (Y up).
std::vector<drafting::Point2> DashedPoints(const fs::path& svg, double sheetHeight, int* paths) {
  std::ifstream in(svg);
  std::stringstream text;
  text << in.rdbuf();
  const std::string s = text.str();
  std::vector<drafting::Point2> points;
  *paths = 0;
  const std::regex path(R"(<path[^>]*stroke-dasharray[^>]*>)");
  const std::regex d(R"( d="([^"]*)\")");
  const std::regex number(R"(-?[0-9.]+(e-?[0-9]+)?)");
  for (auto it = std::sregex_iterator(s.begin(), s.end(), path); it != std::sregex_iterator(); ++it) {
    ++*paths;
    std::smatch m;
    const std::string element = it->str();
    if (!std::regex_search(element, m, d)) continue;
    const std::string data = m[1];
    std::vector<double> values;
    for (auto n = std::sregex_iterator(data.begin(), data.end(), number); n != std::sregex_iterator(); ++n)
      values.push_back(std::stod(n->str()));
    for (size_t i = 0; i + 1 < values.size(); i += 2) points.push_back({values[i], sheetHeight - values[i + 1]});
  }
  return points;
}

int CountOnLayer(const nlohmann::json& read, const std::string& layer) {
  const nlohmann::json& byLayer = read.at("countsByLayer");
  if (!byLayer.contains(layer)) return 0;
  int n = 0;
  for (const auto& item : byLayer.at(layer).items()) n += item.value().get<int>();
  return n;
}

}  // namespace

TEST_F(SheetWalk, AnInvisibleHiddenFontDropsTheViewsHiddenEdgesFromBothRenderAndDwg) {
  const std::string dir = fabdoc_test::FreshDir("sheet-walk");
  Part& part = session().NewPart(ToHostPath(dir + "/tube.prt"));
  // A square tube 60 x 60, wall 5, 300 long: its inner walls are hidden in every view.
  fabdoc_test::AddRectTube(part, 60, 60, 5, 300);
  DrawingSheet& sheet = drafting::AddSheetFromTemplate(part, SheetTemplate("A4_nj.prt"), text::ToGbk("000-1-方管"));
  DraftingView& front = drafting::AddBaseView(sheet, part, "Front", 0.4, {60, 200});
  DraftingView& iso = drafting::AddBaseView(sheet, part, "Isometric", 0.3, {150, 120});
  drafting::UpdateOutOfDateViews(sheet);
  ASSERT_GT(front.content->hidden.size(), 0u);
  ASSERT_GT(iso.content->hidden.size(), 0u) << "the isometric view has hidden edges to leave out";
  iso.hiddenLineFont = 0;

  const drafting::SheetDrawing drawn = drafting::DrawingOf(sheet);
  const dwg::Drawing written = dwg::SheetToDwg(drawn);
  const fs::path file = fs::path(dir) / "sheet.dwg";
  dwg::WriteDwgFile(written, file.string());
  const size_t visible = front.content->visible.size() + iso.content->visible.size();
  for (const char* script : dwg_test::kReaderScripts) {
    const auto read = dwg_test::Read(script, file);
    EXPECT_EQ(CountOnLayer(read, "虚线"), static_cast<int>(front.content->hidden.size())) << script << ": only the front view's hidden edges";
    EXPECT_EQ(CountOnLayer(read, "轮廓"), static_cast<int>(visible)) << script;
  }
  dwg_test::ExpectBothReadersAgree(file, written);

  // The render dashes the front view's hidden edges, in one path, and nothing else.
  const fs::path svg = fs::path(dir) / "sheet.svg";
  drafting::RenderSvg(drawn, svg.string());
  int paths = 0;
  const auto dashed = DashedPoints(svg, drawn.heightMm, &paths);
  EXPECT_EQ(paths, 1);
  const drafting::DrawnExtent frontBox = drafting::DrawnExtentOf(front);
  ASSERT_FALSE(dashed.empty());
  for (const auto& p : dashed) {
    EXPECT_GE(p.x, (*frontBox.box)[0] - 0.01);
    EXPECT_LE(p.x, (*frontBox.box)[2] + 0.01);
    EXPECT_GE(p.y, (*frontBox.box)[1] - 0.01);
    EXPECT_LE(p.y, (*frontBox.box)[3] + 0.01);
  }

  // With the font shown again, both draw the isometric view's hidden edges as well.
  iso.hiddenLineFont = 2;
  const drafting::SheetDrawing again = drafting::DrawingOf(sheet);
  const auto counts = dwg_test::CountsByLayer(dwg::SheetToDwg(again));
  int hidden = 0;
  for (const auto& [type, n] : counts.at("虚线")) hidden += n;
  EXPECT_EQ(hidden, static_cast<int>(front.content->hidden.size() + iso.content->hidden.size()));
  drafting::RenderSvg(again, svg.string());
  DashedPoints(svg, again.heightMm, &paths);
  EXPECT_EQ(paths, 2);
}
