#include "platform/templates/sheet_templates.h"

#include "platform/drafting/sheets.h"
#include "platform/text/gbk.h"

namespace platform::templates {

namespace {

constexpr SheetFormat kFormats[] = {
    {"A3_zong.prt", 420, 297},
    {"A3_bujian.prt", 420, 297},
    {"A4_nj.prt", 210, 297},
};

FrameCurve Line(double x1, double y1, double x2, double y2, bool thick) {
  FrameCurve c;
  c.x1 = x1, c.y1 = y1, c.x2 = x2, c.y2 = y2, c.thick = thick;
  return c;
}

FrameCurve Circle(double cx, double cy, double r) {
  FrameCurve c;
  c.cx = cx, c.cy = cy, c.radius = r, c.startAngle = 0, c.endAngle = 360;
  return c;
}

void Rectangle(std::vector<FrameCurve>& out, double x0, double y0, double x1, double y1, bool thick) {
  out.push_back(Line(x0, y0, x1, y0, thick));
  out.push_back(Line(x1, y0, x1, y1, thick));
  out.push_back(Line(x1, y1, x0, y1, thick));
  out.push_back(Line(x0, y1, x0, y0, thick));
}

// First angle: the truncated cone seen from the side, its end view to the right of it
// (seen from the small end, both circles are visible).
void FirstAngleSymbol(std::vector<FrameCurve>& out, double x, double y) {
  const double small = 1.25, large = 2.5, length = 8, overshoot = 1;
  out.push_back(Line(x, y - small, x, y + small, false));
  out.push_back(Line(x + length, y - large, x + length, y + large, false));
  out.push_back(Line(x, y + small, x + length, y + large, false));
  out.push_back(Line(x, y - small, x + length, y - large, false));
  out.push_back(Line(x - overshoot, y, x + length + overshoot, y, false));  // axis
  const double cx = x + length + 8;
  out.push_back(Circle(cx, y, large));
  out.push_back(Circle(cx, y, small));
  out.push_back(Line(cx - large - overshoot, y, cx + large + overshoot, y, false));
  out.push_back(Line(cx, y - large - overshoot, cx, y + large + overshoot, false));
}

// Four rows of 8 mm; texts are UTF-8 here and host text in the part. The placeholder
// cells are what the add-on replaces; "投影" labels the cell with the symbol.
constexpr double kColumnWidths[] = {20, 50, 20, 30, 20, 40};
const char* const kCells[4][6] = {
    {"名称", "定义图纸名称", "图号", "定义后图号", "比例", ""},
    {"材料", "定义材料", "数量", "定义数量", "总数", "定义总数"},
    {"设计", "", "审核", "", "日期", ""},
    {"工艺", "", "批准", "", "投影", ""},
};

}  // namespace

const SheetFormat* SheetFormats(int* count) {
  *count = static_cast<int>(std::size(kFormats));
  return kFormats;
}

void DrawSheetTemplate(Part& part, const SheetFormat& format) {
  const double w = format.width, h = format.height;
  DrawingSheet& sheet = drafting::AddSheet(part, "SHT1", w, h);
  auto& frame = sheet.frame;
  Rectangle(frame, 0, 0, w, h, false);                                          // trimmed sheet
  Rectangle(frame, kBindingMargin, kFrameMargin, w - kFrameMargin, h - kFrameMargin, true);  // frame
  const double right = w - kFrameMargin, bottom = kFrameMargin;
  const double left = right - kTitleBlockWidth, top = bottom + kTitleBlockHeight;
  // Centring marks from the sheet edge 5 mm into the frame; the bottom one stops at the
  // frame where the title block lies across the middle (A4 upright), not to cross its texts.
  const bool blockAcrossTheMiddle = left < w / 2 && w / 2 < right;
  frame.push_back(Line(w / 2, 0, w / 2, kFrameMargin + (blockAcrossTheMiddle ? 0 : 5), true));
  frame.push_back(Line(w / 2, h, w / 2, h - kFrameMargin - 5, true));
  frame.push_back(Line(0, h / 2, kBindingMargin + 5, h / 2, true));
  frame.push_back(Line(w, h / 2, w - kFrameMargin - 5, h / 2, true));

  Rectangle(frame, left, bottom, right, top, true);
  FirstAngleSymbol(frame, right - 40 + 10, bottom + 4);  // in the cell beside "投影"

  auto note = std::make_unique<TabularNote>();
  note->sheetPid = sheet.pid;
  note->position = {left, top};
  note->Resize(4, 6, kTitleBlockHeight / 4, 0);
  note->columnWidths.assign(std::begin(kColumnWidths), std::end(kColumnWidths));
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 6; ++c) note->Cell(r, c) = text::ToGbk(kCells[r][c]);
  part.Add(std::move(note));
}

}  // namespace platform::templates
