#include "platform/dwg/tests/dimensioned_sheet.h"

#include <cmath>
#include <cstdio>
#include <numbers>

using namespace platform::dwg;

namespace dwg_test {

namespace {

constexpr double kTextHeight = 3.5, kArrow = 3.0, kArrowHalfWidth = 0.5, kBeyond = 2.0, kGap = 1.0;

Point Add(Point p, Point v, double k = 1) { return {p.x + k * v.x, p.y + k * v.y}; }
double Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
Point Direction(double deg) { return {std::cos(deg * std::numbers::pi / 180), std::sin(deg * std::numbers::pi / 180)}; }

// A closed filled arrowhead with its tip at `tip`, pointing along `along`.
Solid Arrow(Point tip, Point along) {
  const Point normal{-along.y, along.x};
  const Point base = Add(tip, along, -kArrow);
  return {{tip, Add(base, normal, kArrowHalfWidth), Add(base, normal, -kArrowHalfWidth)}};
}

std::string Figure(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

Text Label(Point at, const std::string& text, double rotationDeg) {
  return {at, kTextHeight, text, rotationDeg, HorizontalAlign::Center, VerticalAlign::Middle};
}

Dimension Radial(DimensionKind kind, Point centre, double scale, double value, double angleDeg, const std::string& text) {
  const double radius = (kind == DimensionKind::Radius ? value : value / 2) * scale;
  const Point u = Direction(angleDeg);
  Dimension d;
  d.kind = kind;
  d.value = value;
  d.scale = scale;
  d.utf8 = text;
  d.arcPoint = Add(centre, u, radius);
  d.definition = kind == DimensionKind::Radius ? centre : Add(centre, u, -radius);
  const Point leaderEnd = Add(d.arcPoint, u, 8);
  d.textMidpoint = Add(leaderEnd, u, 6);
  d.picture.lines = {{d.definition, leaderEnd}};
  d.picture.solids = {Arrow(d.arcPoint, u)};
  if (kind == DimensionKind::Diameter) d.picture.solids.push_back(Arrow(d.definition, {-u.x, -u.y}));
  d.picture.texts = {Label(d.textMidpoint, text.empty() ? (kind == DimensionKind::Radius ? "R" : "\u2300") + Figure(value) : text, 0)};
  return d;
}

Dimension Angle(Point vertex, double firstDeg, double secondDeg, double legs, double arcRadius) {
  Dimension d;
  d.kind = DimensionKind::Angular;
  d.value = secondDeg - firstDeg;
  d.vertex = vertex;
  d.firstOrigin = Add(vertex, Direction(firstDeg), legs);
  d.secondOrigin = Add(vertex, Direction(secondDeg), legs);
  const double middle = (firstDeg + secondDeg) / 2;
  d.definition = Add(vertex, Direction(middle), arcRadius);
  d.textMidpoint = Add(vertex, Direction(middle), arcRadius + kGap + kTextHeight / 2);
  d.picture.lines = {{d.firstOrigin, Add(vertex, Direction(firstDeg), arcRadius + kBeyond)},
                     {d.secondOrigin, Add(vertex, Direction(secondDeg), arcRadius + kBeyond)}};
  d.picture.arcs = {{vertex, arcRadius, firstDeg, secondDeg}};
  const Point firstEnd = Add(vertex, Direction(firstDeg), arcRadius), secondEnd = Add(vertex, Direction(secondDeg), arcRadius);
  d.picture.solids = {Arrow(firstEnd, Direction(firstDeg - 90)), Arrow(secondEnd, Direction(secondDeg + 90))};
  d.picture.texts = {Label(d.textMidpoint, Figure(d.value) + "°", middle - 90)};
  return d;
}

}  // namespace

Dimension LengthDimension(DimensionKind kind, Point origin, double scale, Point from, Point to, double rotationDeg,
                          double offset, const std::string& text) {
  const Point a = Add(origin, from, scale), b = Add(origin, to, scale);
  if (kind == DimensionKind::Aligned) rotationDeg = std::atan2(b.y - a.y, b.x - a.x) * 180 / std::numbers::pi;
  const Point u = Direction(rotationDeg), n{-u.y, u.x};
  Dimension d;
  d.kind = kind;
  d.rotationDeg = kind == DimensionKind::Linear ? rotationDeg : 0;
  d.firstOrigin = a;
  d.secondOrigin = b;
  d.scale = scale;
  d.value = std::fabs(Dot({to.x - from.x, to.y - from.y}, u));
  d.utf8 = text;
  const Point lineA = Add(a, n, offset);                      // the dimension line through here
  const Point lineB = Add(b, n, Dot({lineA.x - b.x, lineA.y - b.y}, n));
  d.definition = lineB;
  const Point along = Dot({lineB.x - lineA.x, lineB.y - lineA.y}, u) >= 0 ? u : Point{-u.x, -u.y};
  d.textMidpoint = Add(Add(lineA, {lineB.x - lineA.x, lineB.y - lineA.y}, 0.5), n, kGap + kTextHeight / 2);
  d.picture.lines = {{a, Add(lineA, n, offset >= 0 ? kBeyond : -kBeyond)},
                     {b, Add(lineB, n, offset >= 0 ? kBeyond : -kBeyond)},
                     {lineA, lineB}};
  d.picture.solids = {Arrow(lineA, {-along.x, -along.y}), Arrow(lineB, along)};
  d.picture.texts = {Label(d.textMidpoint, text.empty() ? Figure(d.value) : text, rotationDeg)};
  return d;
}

Drawing DimensionedSheet() {
  Drawing d;
  d.sheetWidthMm = 420;
  d.sheetHeightMm = 297;
  d.layers = {{"轮廓", 7, Linetype::Continuous}, {"文字", 3, Linetype::Continuous}, {kDimensionLayer, 3, Linetype::Continuous}};
  auto add = [&](const char* layer, Geometry g) { d.entities.push_back({layer, std::move(g)}); };
  // Front view at 1:2 of a 240 x 450 plate with a chamfered corner, origin (50, 40).
  const Point front{50, 40};
  add("轮廓", Polyline{{{50, 40}, {170, 40}, {170, 240}, {145, 265}, {50, 265}}, true});
  add(kDimensionLayer, LengthDimension(DimensionKind::Linear, front, 0.5, {0, 0}, {240, 0}, 0, -10, ""));
  add(kDimensionLayer, LengthDimension(DimensionKind::Linear, front, 0.5, {0, 0}, {0, 450}, 90, 12, "3×150=450"));
  add(kDimensionLayer, LengthDimension(DimensionKind::Aligned, front, 0.5, {190, 450}, {240, 400}, 0, 8, ""));
  add("轮廓", Circle{{110, 150}, 9});
  add(kDimensionLayer, Radial(DimensionKind::Diameter, {110, 150}, 0.5, 36, 45, "4×\u230036"));
  // Detail at 1:1: a rounded corner R20 and a 45° cut, origin (260, 120).
  add("轮廓", Arc{{300, 160}, 20, 180, 270});
  add(kDimensionLayer, Radial(DimensionKind::Radius, {300, 160}, 1.0, 20, 225, ""));
  add("轮廓", Line{{260, 120}, {340, 120}});
  add("轮廓", Line{{260, 120}, {316.5685424949238, 176.5685424949238}});
  add(kDimensionLayer, Angle({260, 120}, 0, 45, 80, 40));
  add("文字", Text{{300, 100}, 3.5, "详图 1:1"});
  return d;
}

Drawing ManyDimensionsSheet(int count) {
  Drawing d;
  d.sheetWidthMm = 1189;
  d.sheetHeightMm = 841;
  d.layers = {{kDimensionLayer, 3, Linetype::Continuous}};
  for (int i = 0; i < count; ++i) {
    const Point origin{20 + (i % 20) * 55.0, 20 + (i / 20) * 40.0};
    const double length = 100 + i;  // model mm at 1:5, each figure different
    d.entities.push_back({kDimensionLayer, LengthDimension(DimensionKind::Linear, origin, 0.2, {0, 0}, {length, 0}, 0,
                                                           10, "")});
  }
  return d;
}

}  // namespace dwg_test
