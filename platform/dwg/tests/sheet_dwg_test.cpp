// A drawing sheet turned into the DWG writer's description: frame and table lines on
// 图框, texts on 文字 with their anchors, view curves placed at the view's origin on 轮廓
// (visible) and 虚线 (hidden); and the file it makes, read by both readers.
#include <gtest/gtest.h>

#include <filesystem>
#include <numbers>

#include "platform/dwg/dwg_writer.h"
#include "platform/dwg/sheet_dwg.h"
#include "tests/support/dwg_readers.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

drafting::SheetDrawing SheetWithOneView() {
  drafting::SheetDrawing sheet;
  sheet.name = "P-机架-1";
  sheet.widthMm = 420, sheet.heightMm = 297;
  sheet.lines = {{{0, 0}, {420, 0}}, {{420, 0}, {420, 297}}, {{235, 5}, {415, 5}, 0.7}};
  sheet.texts = {{"名称", {250, 30}, 5, drafting::TextAnchor::MidCentre},
                 {"定义图纸名称", {300, 30}, 3.5, drafting::TextAnchor::BottomLeft},
                 {"", {300, 20}, 3.5, drafting::TextAnchor::BottomLeft},
                 {"图号", {350, 10}, 3.5, drafting::TextAnchor::TopRight, 90}};
  drafting::SheetView view;
  view.name = "FRONT@1";
  view.origin = {100, 200};
  view.content.visible = {drafting::Line2{{0, 0}, {50, 0}},
                          drafting::Arc2{{10, 10}, 5, 0, std::numbers::pi / 2},
                          drafting::Arc2{{20, 20}, 3, 0, 2 * std::numbers::pi},
                          drafting::Polyline2{{{0, 0}, {1, 1}, {2, 0}}}};
  view.content.hidden = {drafting::Line2{{0, 5}, {50, 5}}};
  sheet.views = {view};
  return sheet;
}

}  // namespace

TEST(SheetToDwg, PlacesViewsAndSortsEverythingOntoItsLayer) {
  const dwg::Drawing d = dwg::SheetToDwg(SheetWithOneView());
  EXPECT_EQ(d.sheetWidthMm, 420);
  EXPECT_EQ(d.sheetHeightMm, 297);
  ASSERT_EQ(d.layers.size(), 5u) << "outline, hidden, frame, text and dimension layers";
  EXPECT_EQ(d.layers[1].name, "虚线");
  EXPECT_EQ(d.layers[1].linetype, dwg::Linetype::Dashed);
  const auto counts = dwg_test::CountsByLayer(d);
  EXPECT_EQ(counts.at("图框").at("LINE"), 3);
  EXPECT_EQ(counts.at("文字").at("TEXT"), 3) << "the empty text is left out";
  EXPECT_EQ(counts.at("轮廓"), (std::map<std::string, int>{{"LINE", 1}, {"ARC", 1}, {"CIRCLE", 1}, {"LWPOLYLINE", 1}}));
  EXPECT_EQ(counts.at("虚线").at("LINE"), 1);

  // View curves move by the view's origin (each kind's figures: view_curves_dwg_test).
  const auto find = [&](const std::string& layer, size_t index) -> const dwg::Geometry& {
    size_t seen = 0;
    for (const auto& e : d.entities)
      if (e.layer == layer && seen++ == index) return e.geometry;
    throw std::out_of_range(layer);
  };
  const auto& line = std::get<dwg::Line>(find("轮廓", 0));
  EXPECT_DOUBLE_EQ(line.start.x, 100);
  EXPECT_DOUBLE_EQ(line.end.x, 150);
  EXPECT_DOUBLE_EQ(line.end.y, 200);
  EXPECT_DOUBLE_EQ(std::get<dwg::Arc>(find("轮廓", 1)).centre.y, 210);
  EXPECT_DOUBLE_EQ(std::get<dwg::Circle>(find("轮廓", 2)).centre.x, 120);
  EXPECT_DOUBLE_EQ(std::get<dwg::Polyline>(find("轮廓", 3)).points[1].y, 201);
  EXPECT_DOUBLE_EQ(std::get<dwg::Line>(find("虚线", 0)).start.y, 205);
  // Frame lines stay where the sheet has them.
  EXPECT_DOUBLE_EQ(std::get<dwg::Line>(find("图框", 2)).start.x, 235);

  const auto& centred = std::get<dwg::Text>(find("文字", 0));
  EXPECT_EQ(centred.utf8, "名称");
  EXPECT_EQ(centred.horizontal, dwg::HorizontalAlign::Center);
  EXPECT_EQ(centred.vertical, dwg::VerticalAlign::Middle);
  const auto& baseline = std::get<dwg::Text>(find("文字", 1));
  EXPECT_EQ(baseline.horizontal, dwg::HorizontalAlign::Left);
  EXPECT_EQ(baseline.vertical, dwg::VerticalAlign::Baseline);
  const auto& turned = std::get<dwg::Text>(find("文字", 2));
  EXPECT_EQ(turned.horizontal, dwg::HorizontalAlign::Right);
  EXPECT_EQ(turned.vertical, dwg::VerticalAlign::Top);
  EXPECT_DOUBLE_EQ(turned.rotationDeg, 90);
  EXPECT_NO_THROW(dwg::Validate(d));
}

TEST(SheetToDwg, BothReadersReadTheSheetAsConverted) {
  const dwg::Drawing d = dwg::SheetToDwg(SheetWithOneView());
  const fs::path dir = fs::temp_directory_path() / "fabdoc-sheet-dwg";
  fs::create_directories(dir);
  const fs::path file = dir / "P-机架-1.dwg";
  dwg::WriteDwgFile(d, file.string());
  dwg_test::ExpectBothReadersAgree(file, d);
}
