#include "platform/drafting/dimension_graphics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform::drafting {

namespace {

constexpr double kOriginCircleMm = 1.5;  // radius of a running dimension's datum mark
constexpr double kLatinEm = 0.6;

Point2 Along(int axis, double along, double across) { return axis == 0 ? Point2{along, across} : Point2{across, along}; }

// The box of a text whose baseline middle is at `at`, turned by 0 or 90 degrees.
Box2 TextBox(Point2 at, double angleDeg, double width, double height) {
  Box2 box;
  const double descent = 0.2 * height;
  if (std::abs(angleDeg - 90) < 1e-9) {
    box.Add(Point2{at.x + descent, at.y - width / 2});
    box.Add(Point2{at.x - height, at.y + width / 2});
  } else {
    box.Add(Point2{at.x - width / 2, at.y - descent});
    box.Add(Point2{at.x + width / 2, at.y + height});
  }
  return box;
}

void Place(DimensionGraphics& g, const std::string& text, Point2 at, double angleDeg) {
  g.textAt = at;
  g.textAngleDeg = angleDeg;
  g.textBox = TextBox(at, angleDeg, TextWidth(text, g.textHeight), g.textHeight);
}

void ExtensionLine(DimensionGraphics& g, Point2 feature, int axis, double lineAt, int outward) {
  const double end = lineAt + outward * kExtensionOvershootMm;
  g.lines.push_back({feature, Along(axis, AlongOf(axis, feature), end)});
}

}  // namespace

double EdgeOf(const Box2& view, Side side) {
  switch (side) {
    case Side::Bottom: return view.ymin;
    case Side::Top: return view.ymax;
    case Side::Left: return view.xmin;
    case Side::Right: return view.xmax;
  }
  return 0;
}

std::array<Point2, 3> ArrowOutline(const ArrowHead& arrow) {
  const double c = std::cos(arrow.angle), s = std::sin(arrow.angle);
  const Point2 back{arrow.tip.x - kArrowLengthMm * c, arrow.tip.y - kArrowLengthMm * s};
  const double h = kArrowWidthMm / 2;
  return {arrow.tip, Point2{back.x - h * s, back.y + h * c}, Point2{back.x + h * s, back.y - h * c}};
}

double TextWidth(const std::string& utf8, double height) {
  double ems = 0;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    // × and ⌀ are as narrow as a digit in the sheets' fonts.
    const bool narrow = c < 0x80 || utf8.compare(i, length, "×") == 0 || utf8.compare(i, length, "⌀") == 0 ||
                        utf8.compare(i, length, "°") == 0;
    ems += narrow ? kLatinEm : 1.0;
    i += length;
  }
  return ems * height;
}

DimensionGraphics LinearGraphics(Point2 a, Point2 b, Side side, double lineAt, const std::string& text) {
  const int axis = AxisAlong(side), outward = Outward(side);
  DimensionGraphics g;
  g.measured[0] = a;
  g.measured[1] = b;
  ExtensionLine(g, a, axis, lineAt, outward);
  ExtensionLine(g, b, axis, lineAt, outward);
  const double lo = std::min(AlongOf(axis, a), AlongOf(axis, b)), hi = std::max(AlongOf(axis, a), AlongOf(axis, b));
  g.lines.push_back({Along(axis, lo, lineAt), Along(axis, hi, lineAt)});
  const double towardsHi = axis == 0 ? 0 : std::numbers::pi / 2;
  g.arrows.push_back({Along(axis, hi, lineAt), towardsHi});
  g.arrows.push_back({Along(axis, lo, lineAt), towardsHi + std::numbers::pi});
  // Above a horizontal line; left of a vertical one, reading from the right.
  if (axis == 0) Place(g, text, {(lo + hi) / 2, lineAt + kTextLiftMm}, 0);
  else Place(g, text, {lineAt - kTextLiftMm, (lo + hi) / 2}, 90);
  return g;
}

DimensionGraphics RunningGraphics(Point2 origin, Point2 at, Side side, double lineAt, const std::string& text) {
  const int axis = AxisAlong(side), outward = Outward(side);
  DimensionGraphics g;
  g.measured[0] = origin;
  g.measured[1] = at;
  const double from = AlongOf(axis, origin), to = AlongOf(axis, at);
  ExtensionLine(g, origin, axis, lineAt, outward);
  ExtensionLine(g, at, axis, lineAt, outward);
  g.lines.push_back({Along(axis, from, lineAt), Along(axis, to, lineAt)});
  g.arcs.push_back({Along(axis, from, lineAt), kOriginCircleMm, 0, 2 * std::numbers::pi});
  const double towardsTo = (axis == 0 ? 0 : std::numbers::pi / 2) + (to < from ? std::numbers::pi : 0);
  g.arrows.push_back({Along(axis, to, lineAt), towardsTo});
  // The text runs along the extension line, beside it, from just outside the line; a
  // stop next to the datum starts it past the datum's circle, which it would cover.
  const double width = TextWidth(text, g.textHeight);
  const auto place = [&](double start) {
    const double middle = lineAt + outward * (start + width / 2);
    if (axis == 0) Place(g, text, {to - kTextLiftMm, middle}, 90);
    else Place(g, text, {middle, to + kTextLiftMm}, 0);
  };
  place(kTextLiftMm);
  const Arc2& datum = g.arcs.back();
  const Box2& box = g.textBox;
  if (box.xmin < datum.centre.x + datum.radius && datum.centre.x - datum.radius < box.xmax &&
      box.ymin < datum.centre.y + datum.radius && datum.centre.y - datum.radius < box.ymax)
    place(kOriginCircleMm + kTextLiftMm);
  return g;
}

DimensionGraphics LeaderGraphics(Point2 tip, Point2 centre, Point2 elbow, bool rightwards, const std::string& text) {
  DimensionGraphics g;
  g.measured[0] = tip;
  g.measured[1] = centre;
  const double width = TextWidth(text, g.textHeight) + 1;
  const Point2 end{elbow.x + (rightwards ? width : -width), elbow.y};
  g.lines.push_back({elbow, tip});
  g.lines.push_back({elbow, end});
  g.arrows.push_back({tip, std::atan2(tip.y - elbow.y, tip.x - elbow.x)});
  Place(g, text, {(elbow.x + end.x) / 2, elbow.y + kTextLiftMm}, 0);
  return g;
}

DimensionGraphics AngleGraphics(Point2 vertex, double from, double to, double radius, const std::string& text) {
  DimensionGraphics g;
  g.measured[0] = g.measured[1] = vertex;
  g.arcs.push_back({vertex, radius, from, to});
  const Point2 a{vertex.x + radius * std::cos(from), vertex.y + radius * std::sin(from)};
  const Point2 b{vertex.x + radius * std::cos(to), vertex.y + radius * std::sin(to)};
  g.arrows.push_back({a, from - std::numbers::pi / 2});
  g.arrows.push_back({b, to + std::numbers::pi / 2});
  const double middle = (from + to) / 2;
  const double width = TextWidth(text, g.textHeight);
  const double reach = radius + kTextLiftMm + 0.6 * std::max(width, g.textHeight);
  Place(g, text, {vertex.x + reach * std::cos(middle), vertex.y + reach * std::sin(middle) - g.textHeight / 2}, 0);
  return g;
}

double OuterReach(const DimensionGraphics& g, Side side, double lineAt) {
  const int axis = AxisAlong(side), outward = Outward(side);
  double reach = kExtensionOvershootMm;
  const double textEdge = axis == 0 ? (outward > 0 ? g.textBox.ymax : g.textBox.ymin)
                                    : (outward > 0 ? g.textBox.xmax : g.textBox.xmin);
  if (!g.textBox.empty) reach = std::max(reach, outward * (textEdge - lineAt));
  return reach;
}

}  // namespace platform::drafting
