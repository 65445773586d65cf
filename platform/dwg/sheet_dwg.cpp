#include "platform/dwg/sheet_dwg.h"

#include <numbers>

namespace platform::dwg {

namespace {

using drafting::Point2;

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

Point Placed(Point2 p, Point2 origin) { return {p.x + origin.x, p.y + origin.y}; }

Geometry Placed(const drafting::Curve2& curve, Point2 origin) {
  if (const auto* line = std::get_if<drafting::Line2>(&curve))
    return Line{Placed(line->start, origin), Placed(line->end, origin)};
  if (const auto* arc = std::get_if<drafting::Arc2>(&curve)) {
    if (arc->IsFullCircle()) return Circle{Placed(arc->centre, origin), arc->radius};
    return Arc{Placed(arc->centre, origin), arc->radius, Degrees(arc->startAngle), Degrees(arc->endAngle)};
  }
  Polyline polyline;
  for (Point2 p : std::get<drafting::Polyline2>(curve).points) polyline.points.push_back(Placed(p, origin));
  return polyline;
}

// The renderer's anchors: bottom is the baseline, middle and top as the names say.
void Align(drafting::TextAnchor anchor, Text& text) {
  const int index = static_cast<int>(anchor);
  constexpr HorizontalAlign kColumn[] = {HorizontalAlign::Left, HorizontalAlign::Center, HorizontalAlign::Right};
  constexpr VerticalAlign kRow[] = {VerticalAlign::Top, VerticalAlign::Middle, VerticalAlign::Baseline};
  text.horizontal = kColumn[index % 3];
  text.vertical = kRow[index / 3];
}

}  // namespace

Drawing SheetToDwg(const drafting::SheetDrawing& sheet) {
  Drawing drawing;
  drawing.sheetWidthMm = sheet.widthMm;
  drawing.sheetHeightMm = sheet.heightMm;
  drawing.layers = {{kOutlineLayer, 7, Linetype::Continuous},
                    {kHiddenLayer, 2, Linetype::Dashed},
                    {kFrameLayer, 7, Linetype::Continuous},
                    {kTextLayer, 3, Linetype::Continuous}};
  for (const drafting::SheetLine& line : sheet.lines)
    drawing.entities.push_back({kFrameLayer, Line{{line.start.x, line.start.y}, {line.end.x, line.end.y}}});
  for (const drafting::SheetArc& arc : sheet.arcs) drawing.entities.push_back({kFrameLayer, Placed(arc.arc, {0, 0})});
  for (const drafting::SheetView& view : sheet.views) {
    for (const drafting::Curve2& curve : view.content.visible)
      drawing.entities.push_back({kOutlineLayer, Placed(curve, view.origin)});
    for (const drafting::Curve2& curve : view.content.hidden)
      drawing.entities.push_back({kHiddenLayer, Placed(curve, view.origin)});
  }
  for (const drafting::SheetText& sheetText : sheet.texts) {
    if (sheetText.utf8.empty()) continue;  // an empty cell draws nothing
    Text text{{sheetText.position.x, sheetText.position.y}, sheetText.heightMm, sheetText.utf8, sheetText.angleDegrees};
    Align(sheetText.anchor, text);
    drawing.entities.push_back({kTextLayer, text});
  }
  return drawing;
}

}  // namespace platform::dwg
