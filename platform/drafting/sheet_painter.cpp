#include "platform/drafting/sheet_painter.h"

#include <cmath>
#include <numbers>

#include <pango/pangocairo.h>

#include "platform/drafting/dimension_graphics.h"
#include "platform/drafting/sheet_walk.h"

namespace platform::drafting {

namespace {

// Where the em box of a line of text sits against its baseline, in ems: CJK ideographs
// reach from about 0.88 em above the baseline to 0.12 em below it.
constexpr double kEmAboveBaseline = 0.88;
constexpr double kEmMiddleAboveBaseline = 0.38;

// Sheet Y grows upwards, cairo's downwards: every point goes through here.
struct Flip {
  double height;
  double X(const Point2& p) const { return p.x; }
  double Y(const Point2& p) const { return height - p.y; }
};

void MoveTo(cairo_t* cr, const Flip& flip, Point2 p) { cairo_move_to(cr, flip.X(p), flip.Y(p)); }
void LineTo(cairo_t* cr, const Flip& flip, Point2 p) { cairo_line_to(cr, flip.X(p), flip.Y(p)); }

void AddCurve(cairo_t* cr, const Flip& flip, Point2 origin, const Curve2& curve) {
  auto at = [&](Point2 p) { return Point2{origin.x + p.x, origin.y + p.y}; };
  if (const auto* line = std::get_if<Line2>(&curve)) {
    MoveTo(cr, flip, at(line->start));
    LineTo(cr, flip, at(line->end));
  } else if (const auto* arc = std::get_if<Arc2>(&curve)) {
    // Counter-clockwise on the sheet is clockwise once Y points down.
    const Point2 centre = at(arc->centre);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, flip.X(centre), flip.Y(centre), arc->radius, -arc->startAngle, -arc->endAngle);
  } else {
    const auto& points = std::get<Polyline2>(curve).points;
    for (size_t i = 0; i < points.size(); ++i) (i == 0 ? MoveTo : LineTo)(cr, flip, at(points[i]));
  }
}

void StrokeCurves(cairo_t* cr, const Flip& flip, Point2 origin, const std::vector<Curve2>& curves) {
  for (const Curve2& curve : curves) AddCurve(cr, flip, origin, curve);
  cairo_stroke(cr);
}

// A body's triangles as one path filled by the non-zero rule: overlapping triangles of
// one body add no extra tint, only overlapping bodies do.
void FillShade(cairo_t* cr, const Flip& flip, Point2 origin, const ShadeFill& fill) {
  cairo_save(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  for (const auto& t : fill.triangles) {
    MoveTo(cr, flip, {origin.x + t[0].x, origin.y + t[0].y});
    LineTo(cr, flip, {origin.x + t[1].x, origin.y + t[1].y});
    LineTo(cr, flip, {origin.x + t[2].x, origin.y + t[2].y});
    cairo_close_path(cr);
  }
  cairo_set_source_rgba(cr, fill.rgb[0], fill.rgb[1], fill.rgb[2], fill.opacity);
  cairo_fill(cr);
  cairo_restore(cr);
}

double HorizontalShare(TextAnchor anchor) {
  switch (anchor) {
    case TextAnchor::TopCentre: case TextAnchor::MidCentre: case TextAnchor::BottomCentre: return 0.5;
    case TextAnchor::TopRight: case TextAnchor::MidRight: case TextAnchor::BottomRight: return 1;
    default: return 0;
  }
}

// How far above the baseline the anchor point lies, in ems.
double AnchorAboveBaseline(TextAnchor anchor) {
  switch (anchor) {
    case TextAnchor::TopLeft: case TextAnchor::TopCentre: case TextAnchor::TopRight: return kEmAboveBaseline;
    case TextAnchor::MidLeft: case TextAnchor::MidCentre: case TextAnchor::MidRight: return kEmMiddleAboveBaseline;
    default: return 0;
  }
}

void SetFont(PangoLayout* layout, const RenderStyle& style, double heightMm) {
  PangoFontDescription* font = pango_font_description_new();
  pango_font_description_set_family(font, style.fontFamily.c_str());
  pango_font_description_set_absolute_size(font, heightMm * PANGO_SCALE);
  pango_layout_set_font_description(layout, font);
  pango_font_description_free(font);
}

double LayoutWidth(PangoLayout* layout) {
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  return static_cast<double>(logical.width) / PANGO_SCALE;
}

void PaintText(cairo_t* cr, const Flip& flip, const SheetText& text, const RenderStyle& style) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  double height = text.heightMm;
  SetFont(layout, style, height);
  pango_layout_set_text(layout, text.utf8.c_str(), static_cast<int>(text.utf8.size()));
  double width = LayoutWidth(layout);
  if (text.maxWidthMm > 0 && width > text.maxWidthMm) {
    height *= text.maxWidthMm / width;
    SetFont(layout, style, height);
    width = LayoutWidth(layout);
  }
  const double baseline = static_cast<double>(pango_layout_get_baseline(layout)) / PANGO_SCALE;

  cairo_save(cr);
  cairo_translate(cr, flip.X(text.position), flip.Y(text.position));
  cairo_rotate(cr, -text.angleDegrees * std::numbers::pi / 180);
  cairo_move_to(cr, -width * HorizontalShare(text.anchor),
                -baseline + AnchorAboveBaseline(text.anchor) * height);
  pango_cairo_update_layout(cr, layout);
  pango_cairo_show_layout(cr, layout);
  cairo_restore(cr);
  g_object_unref(layout);
}

class Painter : public SheetVisitor {
public:
  Painter(cairo_t* cr, double sheetHeight, const RenderStyle& style) : cr_(cr), flip_{sheetHeight}, style_(style) {}

  void FrameLine(const SheetLine& line) override {
    cairo_set_line_width(cr_, line.widthMm);
    MoveTo(cr_, flip_, line.start);
    LineTo(cr_, flip_, line.end);
    cairo_stroke(cr_);
  }
  void FrameArc(const SheetArc& arc) override {
    cairo_set_line_width(cr_, arc.widthMm);
    AddCurve(cr_, flip_, {0, 0}, arc.arc);
    cairo_stroke(cr_);
  }
  void Shade(const SheetView& view, const ShadeFill& fill) override { FillShade(cr_, flip_, view.origin, fill); }
  void Edges(const SheetView& view, EdgeKind kind, const std::vector<Curve2>& curves) override {
    const double dashes[] = {style_.hiddenDashMm, style_.hiddenGapMm};
    const bool hidden = kind == EdgeKind::Hidden;
    cairo_set_line_width(cr_, hidden ? style_.hiddenWidthMm : style_.visibleWidthMm);
    cairo_set_dash(cr_, hidden ? dashes : nullptr, hidden ? 2 : 0, 0);
    StrokeCurves(cr_, flip_, view.origin, curves);
    cairo_set_dash(cr_, nullptr, 0, 0);
  }
  void Text(const SheetText& text) override { PaintText(cr_, flip_, text, style_); }
  void Dimension(const SheetDimension& dimension) override {
    const DimensionGraphics& g = dimension.drawn;
    cairo_set_line_width(cr_, style_.hiddenWidthMm);  // thin, as hidden edges
    for (const Line2& line : g.lines) AddCurve(cr_, flip_, {0, 0}, line);
    for (const Arc2& arc : g.arcs) AddCurve(cr_, flip_, {0, 0}, arc);
    cairo_stroke(cr_);
    for (const ArrowHead& arrow : g.arrows) {
      for (const Point2& p : ArrowOutline(arrow)) LineTo(cr_, flip_, p);
      cairo_close_path(cr_);
      cairo_fill(cr_);
    }
    PaintText(cr_, flip_, {dimension.utf8, g.textAt, g.textHeight, TextAnchor::BottomCentre, g.textAngleDeg}, style_);
  }
  // A balloon is drawn as a dimension is: thin lines and circle, the arrow, the text.
  void PartMark(const SheetPartMark& mark) override { Dimension({DimensionKind::Linear, 0, 1, mark.utf8, 1, mark.drawn}); }
  void HoleTable(const SheetHoleTable& table) override {
    cairo_set_line_width(cr_, style_.hiddenWidthMm);  // thin, as dimensions
    for (const Line2& line : table.lines) AddCurve(cr_, flip_, {0, 0}, line);
    for (const Arc2& arc : table.arcs) AddCurve(cr_, flip_, {0, 0}, arc);
    cairo_stroke(cr_);
    for (const SheetText& text : table.texts) PaintText(cr_, flip_, text, style_);
  }

private:
  cairo_t* cr_;
  Flip flip_;
  const RenderStyle& style_;
};

}  // namespace

void PaintSheet(cairo_t* cr, const SheetDrawing& sheet, const RenderStyle& style) {
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Painter painter(cr, sheet.heightMm, style);
  WalkSheet(sheet, painter);
}

}  // namespace platform::drafting
