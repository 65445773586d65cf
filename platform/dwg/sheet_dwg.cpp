#include "platform/dwg/sheet_dwg.h"

#include "platform/drafting/dimension_graphics.h"
#include "platform/drafting/sheet_walk.h"
#include "platform/dwg/sheet_dimension.h"
#include "platform/dwg/view_curves_dwg.h"

namespace platform::dwg {

namespace {

// The renderer's anchors: bottom is the baseline, middle and top as the names say.
void Align(drafting::TextAnchor anchor, Text& text) {
  const int index = static_cast<int>(anchor);
  constexpr HorizontalAlign kColumn[] = {HorizontalAlign::Left, HorizontalAlign::Center, HorizontalAlign::Right};
  constexpr VerticalAlign kRow[] = {VerticalAlign::Top, VerticalAlign::Middle, VerticalAlign::Baseline};
  text.horizontal = kColumn[index % 3];
  text.vertical = kRow[index / 3];
}

// Shades are left out: the writer has no filled entity, and a shade only tints what the
// edges already draw.
class DwgSheet : public drafting::SheetVisitor {
public:
  explicit DwgSheet(Drawing& drawing) : drawing_(drawing) {}

  void FrameLine(const drafting::SheetLine& line) override {
    drawing_.entities.push_back({kFrameLayer, Line{ToPoint(line.start), ToPoint(line.end)}});
  }
  void FrameArc(const drafting::SheetArc& arc) override {
    drawing_.entities.push_back({kFrameLayer, ToGeometry(arc.arc)});
  }
  void Shade(const drafting::SheetView&, const drafting::ShadeFill&) override {}
  void Edges(const drafting::SheetView& view, drafting::EdgeKind kind,
             const std::vector<drafting::Curve2>& curves) override {
    const char* layer = kind == drafting::EdgeKind::Hidden ? kHiddenLayer : kOutlineLayer;
    for (const drafting::Curve2& curve : curves) drawing_.entities.push_back({layer, ToGeometry(curve, view.origin)});
  }
  void Text(const drafting::SheetText& sheetText) override {
    dwg::Text text{ToPoint(sheetText.position), sheetText.heightMm, sheetText.utf8,
                   sheetText.angleDegrees};
    Align(sheetText.anchor, text);
    drawing_.entities.push_back({kTextLayer, text});
  }

  void Dimension(const drafting::SheetDimension& dimension) override {
    drawing_.entities.push_back({kDimensionLayer, DwgDimension(dimension)});
  }

  // A balloon: its circle, the leader, a filled arrow as the renderer fills it, the number centred.
  void PartMark(const drafting::SheetPartMark& mark) override {
    const DimensionGraphics& g = mark.drawn;
    if (g.arcs.empty() || g.lines.empty() || g.arrows.empty()) return;
    const drafting::Arc2& circle = g.arcs.front();
    drawing_.entities.push_back({kDimensionLayer, Circle{ToPoint(circle.centre), circle.radius}});
    drawing_.entities.push_back({kDimensionLayer, ToLine(g.lines.front())});
    const auto outline = drafting::ArrowOutline(g.arrows.front());
    Solid arrow;
    for (size_t i = 0; i < outline.size(); ++i) arrow.corners[i] = ToPoint(outline[i]);
    drawing_.entities.push_back({kDimensionLayer, arrow});
    drawing_.entities.push_back({kDimensionLayer, dwg::Text{ToPoint(circle.centre), g.textHeight, mark.utf8,
                                                            0, HorizontalAlign::Center, VerticalAlign::Middle}});
  }

  // A hole table on 尺寸 as the renderer draws it: its grid, the datum circle, the cell texts.
  void HoleTable(const drafting::SheetHoleTable& table) override {
    for (const drafting::Line2& line : table.lines)
      drawing_.entities.push_back({kDimensionLayer, ToLine(line)});
    for (const drafting::Arc2& arc : table.arcs) drawing_.entities.push_back({kDimensionLayer, ToGeometry(arc)});
    for (const drafting::SheetText& cell : table.texts) {
      dwg::Text text{ToPoint(cell.position), cell.heightMm, DwgDimensionText(cell.utf8), cell.angleDegrees};
      Align(cell.anchor, text);
      drawing_.entities.push_back({kDimensionLayer, text});
    }
  }

private:
  Drawing& drawing_;
};

}  // namespace

std::string DwgDimensionText(const std::string& utf8) {
  std::string out;
  const std::string diameter = "⌀";
  for (size_t i = 0; i < utf8.size();) {
    if (utf8.compare(i, diameter.size(), diameter) == 0) {
      out += "%%c";
      i += diameter.size();
    } else {
      out += utf8[i++];
    }
  }
  return out;
}

Drawing SheetToDwg(const drafting::SheetDrawing& sheet) {
  Drawing drawing;
  drawing.sheetWidthMm = sheet.widthMm;
  drawing.sheetHeightMm = sheet.heightMm;
  drawing.layers = {{kOutlineLayer, 7, Linetype::Continuous},
                    {kHiddenLayer, 2, Linetype::Dashed},
                    {kFrameLayer, 7, Linetype::Continuous},
                    {kTextLayer, 3, Linetype::Continuous},
                    {kDimensionLayer, 3, Linetype::Continuous}};
  DwgSheet writer(drawing);
  drafting::WalkSheet(sheet, writer);
  return drawing;
}

}  // namespace platform::dwg
