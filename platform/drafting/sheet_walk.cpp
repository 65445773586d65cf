#include "platform/drafting/sheet_walk.h"

namespace platform::drafting {

void WalkSheet(const SheetDrawing& sheet, SheetVisitor& visitor) {
  for (const SheetLine& line : sheet.lines) visitor.FrameLine(line);
  for (const SheetArc& arc : sheet.arcs) visitor.FrameArc(arc);
  for (const SheetView& view : sheet.views) {
    for (const ShadeFill& fill : view.shades) visitor.Shade(view, fill);
    // Hidden before visible: a visible edge is painted over a dashed one it touches.
    if (view.hiddenShown && !view.content.hidden.empty()) visitor.Edges(view, EdgeKind::Hidden, view.content.hidden);
    if (!view.content.visible.empty()) visitor.Edges(view, EdgeKind::Visible, view.content.visible);
  }
  for (const SheetText& text : sheet.texts)
    if (!text.utf8.empty()) visitor.Text(text);  // an empty cell draws nothing
  for (const SheetDimension& dimension : sheet.dimensions) visitor.Dimension(dimension);
  for (const SheetPartMark& mark : sheet.partMarks) visitor.PartMark(mark);
  for (const SheetHoleTable& table : sheet.holeTables) visitor.HoleTable(table);
}

}  // namespace platform::drafting
