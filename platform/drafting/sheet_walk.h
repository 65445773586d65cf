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

void WalkSheet(const SheetDrawing& sheet, SheetVisitor& visitor);

}  // namespace platform::drafting
