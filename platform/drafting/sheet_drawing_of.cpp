#include "platform/drafting/sheet_drawing_of.h"

#include <algorithm>
#include <numbers>

#include "platform/base/host_error.h"
#include "platform/drafting/hole_table_rows.h"
#include "platform/drafting/shade_fill.h"
#include "platform/drafting/sheet_ratio.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tabular_note.h"
#include "platform/drafting/view_content.h"
#include "platform/text/gbk.h"

namespace platform::drafting {

namespace {

// Thick and thin lines of the frame, 2:1 as the views' visible and hidden edges.
constexpr double kThickMm = 0.5;
constexpr double kThinMm = 0.25;
constexpr double kCellTextMm = 3.5;
constexpr double kCellPaddingMm = 1;
constexpr int kInvisibleFont = 0;

std::string Utf8(const DrawingSheet& sheet, const std::string& gbk) {
  try {
    return text::ToUtf8(gbk);
  } catch (const std::exception& e) {
    throw HostError(HostStatus::InvalidArgument,
                    "sheet \"" + text::ToUtf8Lossy(sheet.name) + "\" holds a text that is not GBK: " + e.what());
  }
}

void AddFrame(const DrawingSheet& sheet, SheetDrawing& drawing) {
  for (const FrameCurve& c : sheet.frame) {
    const double width = c.thick ? kThickMm : kThinMm;
    if (c.IsArc()) {
      Arc2 arc{{c.cx, c.cy}, c.radius, c.startAngle * std::numbers::pi / 180, c.endAngle * std::numbers::pi / 180};
      drawing.arcs.push_back({arc, width});
    } else {
      drawing.lines.push_back({{c.x1, c.y1}, {c.x2, c.y2}, width});
    }
  }
  for (const FrameText& t : sheet.texts)
    drawing.texts.push_back({Utf8(sheet, t.text), {t.x, t.y}, t.height, TextAnchor::MidCentre});
}

// The grid of a table and its cell texts, centred in their cells.
void AddTable(const DrawingSheet& sheet, const TabularNote& note, SheetDrawing& drawing) {
  const double left = note.position[0], top = note.position[1];
  double right = left, bottom = top;
  for (double w : note.columnWidths) right += w;
  for (double h : note.rowHeights) bottom -= h;
  double y = top;
  for (int r = 0; r <= note.Rows(); ++r) {
    drawing.lines.push_back({{left, y}, {right, y}, kThinMm});
    if (r < note.Rows()) y -= note.rowHeights[r];
  }
  double x = left;
  for (int c = 0; c <= note.Columns(); ++c) {
    drawing.lines.push_back({{x, top}, {x, bottom}, kThinMm});
    if (c < note.Columns()) x += note.columnWidths[c];
  }
  y = top;
  for (int r = 0; r < note.Rows(); ++r) {
    x = left;
    const double height = note.rowHeights[r];
    for (int c = 0; c < note.Columns(); ++c) {
      const double width = note.columnWidths[c];
      if (const std::string& cell = note.Cell(r, c); !cell.empty()) {
        SheetText text{Utf8(sheet, cell), {x + width / 2, y - height / 2}, std::min(kCellTextMm, 0.6 * height),
                       TextAnchor::MidCentre};
        text.maxWidthMm = width - 2 * kCellPaddingMm;
        drawing.texts.push_back(std::move(text));
      }
      x += width;
    }
    y -= height;
  }
}

// Above the title block's right end (the first table), or in the lower right corner;
// the scale only when the title block has no cell of its own for it.
void AddNameAndScale(const DrawingSheet& sheet, const std::vector<TabularNote*>& notes, SheetDrawing& drawing) {
  Point2 at{sheet.width - 10, 10};
  if (!notes.empty()) {
    const TabularNote& block = *notes.front();
    double right = block.position[0];
    for (double w : block.columnWidths) right += w;
    at = {right - kCellPaddingMm, block.position[1] + 2};  // clear of the frame line
  }
  const std::string label = ScaleCell(sheet) ? drawing.name : drawing.name + "    " + SheetScaleText(sheet);
  drawing.texts.push_back({label, at, kCellTextMm, TextAnchor::BottomRight});
}

}  // namespace

SheetDrawing DrawingOf(const DrawingSheet& sheet, std::vector<std::string>* undrawn) {
  SheetDrawing drawing;
  drawing.name = Utf8(sheet, sheet.name);
  drawing.widthMm = sheet.width;
  drawing.heightMm = sheet.height;
  AddFrame(sheet, drawing);
  const std::vector<TabularNote*> notes = NotesOf(sheet);
  for (const TabularNote* note : notes) AddTable(sheet, *note, drawing);
  AddNameAndScale(sheet, notes, drawing);
  const std::vector<DraftingView*> views = ViewsOf(sheet);
  for (const DraftingView* view : views) {
    Settle(*view);
    if (!view->content) {
      if (undrawn) undrawn->push_back(Utf8(sheet, view->name));
      continue;
    }
    const Point2 origin = OriginForCentre(*view->content, {view->center[0], view->center[1]});
    drawing.views.push_back({Utf8(sheet, view->name), origin, *view->content, ShadeFillsOf(*view),
                             view->hiddenLineFont != kInvisibleFont});
  }
  for (const Dimension* dimension : DimensionsOf(sheet)) {
    const auto view = std::find_if(views.begin(), views.end(),
                                   [&](const DraftingView* v) { return v->pid == dimension->viewPid; });
    drawing.dimensions.push_back({dimension->kind, dimension->value, dimension->count, dimension->text,
                                  view == views.end() ? 1.0 : (*view)->scale, dimension->drawn});
  }
  for (const PartMark* mark : PartMarksOf(sheet)) drawing.partMarks.push_back({mark->text, mark->drawn});
  for (const HoleTable* table : HoleTablesOf(sheet)) drawing.holeTables.push_back(HoleTableDrawing(table->grid));
  return drawing;
}

}  // namespace platform::drafting
