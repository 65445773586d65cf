// One walk over what a sheet draws, in drawing order: the frame's lines and arcs, then
// each view's shades, its hidden edges where the view shows them and its visible edges,
// then the texts, the dimensions, the part marks and the hole tables. The renderer and the DWG writer both draw from this walk, so what one
// leaves out the other leaves out too.
#pragma once
#include <vector>

#include "platform/drafting/sheet_drawing.h"

namespace platform::drafting {

enum class EdgeKind { Visible, Hidden };

class SheetVisitor {
public:
  virtual ~SheetVisitor() = default;
  virtual void FrameLine(const SheetLine& line) = 0;
  virtual void FrameArc(const SheetArc& arc) = 0;
  // A body filled under the view's edges; triangles in view coordinates.
  virtual void Shade(const SheetView& view, const ShadeFill& fill) = 0;
  // The view's edges of one kind, in view coordinates (add `view.origin`).
  virtual void Edges(const SheetView& view, EdgeKind kind, const std::vector<Curve2>& curves) = 0;
  virtual void Text(const SheetText& text) = 0;
  virtual void Dimension(const SheetDimension& dimension) = 0;
  virtual void PartMark(const SheetPartMark& mark) = 0;
  virtual void HoleTable(const SheetHoleTable& table) = 0;
};

inline void WalkSheet(const SheetDrawing& sheet, SheetVisitor& visitor) {
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
