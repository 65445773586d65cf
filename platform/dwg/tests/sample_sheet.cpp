#include "platform/dwg/tests/sample_sheet.h"

using namespace platform::dwg;

namespace dwg_test {

namespace {

std::vector<Layer> SheetLayers() {
  return {{"轮廓", 7, Linetype::Continuous}, {"虚线", 2, Linetype::Dashed},
          {"图框", 7, Linetype::Continuous}, {"文字", 3, Linetype::Continuous},
          {"中心线", 1, Linetype::Center}};
}

}  // namespace

Drawing TitleBlockSheet() {
  Drawing d;
  d.sheetWidthMm = 420;
  d.sheetHeightMm = 297;
  d.layers = SheetLayers();
  auto add = [&](const char* layer, Geometry g) { d.entities.push_back({layer, std::move(g)}); };
  // Trimmed sheet edge and the frame inside it (binding margin 25 mm, others 5 mm).
  add("图框", Polyline{{{0, 0}, {420, 0}, {420, 297}, {0, 297}}, true});
  add("图框", Polyline{{{25, 5}, {415, 5}, {415, 292}, {25, 292}}, true});
  // Title block 180 x 56 mm in the lower right corner: outline rows and columns.
  const double left = 235, bottom = 5, right = 415, top = 61;
  add("图框", Line{{left, bottom}, {left, top}});
  add("图框", Line{{left, top}, {right, top}});
  for (double y : {19.0, 33.0, 47.0}) add("文字", Line{{left, y}, {right, y}});
  for (double x : {265.0, 325.0, 355.0}) add("文字", Line{{x, bottom}, {x, top}});
  add("文字", Text{{250, 54}, 5, "总装图", 0, HorizontalAlign::Center, VerticalAlign::Middle});
  add("文字", Text{{295, 54}, 5, "P-总装-0", 0, HorizontalAlign::Center, VerticalAlign::Middle});
  add("文字", Text{{250, 40}, 3.5, "比例", 0, HorizontalAlign::Center, VerticalAlign::Middle});
  add("文字", Text{{295, 40}, 3.5, "1:5", 0, HorizontalAlign::Center, VerticalAlign::Middle});
  add("文字", Text{{250, 26}, 3.5, "材料", 0, HorizontalAlign::Center, VerticalAlign::Middle});
  add("文字", Text{{295, 26}, 3.5, "Q235B 钢板", 0, HorizontalAlign::Center, VerticalAlign::Middle});
  add("文字", Text{{238, 8}, 3.5, "设计 张三  审核 李四  日期 2024-05-06", 0, HorizontalAlign::Left,
                   VerticalAlign::Baseline});
  add("文字", Text{{385, 12}, 7, "第 1 张 共 3 张", 0, HorizontalAlign::Right, VerticalAlign::Bottom});
  // Front view of a flanged plate: outline, a bolt hole, a rounded corner, hidden bore.
  add("轮廓", Polyline{{{60, 150}, {180, 150}, {180, 230}, {60, 230}}, true});
  add("轮廓", Circle{{90, 190}, 9});
  add("轮廓", Circle{{150, 190}, 9});
  add("轮廓", Arc{{200, 190}, 20, 270, 90});  // crosses 0 degrees
  add("轮廓", Line{{180, 170}, {200, 170}});
  add("轮廓", Line{{180, 210}, {200, 210}});
  add("虚线", Line{{110, 150}, {110, 230}});
  add("虚线", Line{{130, 150}, {130, 230}});
  add("虚线", Arc{{120, 230}, 10, 0, 180});
  add("中心线", Line{{50, 190}, {230, 190}});
  return d;
}

Drawing ManyEntitiesSheet(int count) {
  Drawing d;
  d.sheetWidthMm = 1189;
  d.sheetHeightMm = 841;
  d.layers = SheetLayers();
  for (int i = 0; i < count; ++i) {
    const double x = 20 + (i % 50) * 22.0, y = 20 + (i / 50) * 18.0;
    switch (i % 5) {
      case 0: d.entities.push_back({"轮廓", Line{{x, y}, {x + 15, y + 10}}}); break;
      case 1: d.entities.push_back({"轮廓", Arc{{x, y}, 6, 30, 300}}); break;
      case 2: d.entities.push_back({"虚线", Circle{{x, y}, 4.5}}); break;
      case 3: d.entities.push_back({"图框", Polyline{{{x, y}, {x + 10, y}, {x + 10, y + 8}}, i % 2 == 0}}); break;
      default: d.entities.push_back({"文字", Text{{x, y}, 2.5, "件" + std::to_string(i), 0, HorizontalAlign::Left, VerticalAlign::Baseline}}); break;
    }
  }
  return d;
}

}  // namespace dwg_test
