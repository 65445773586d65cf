// Drawing dimensions in the style of GB/T 4458.4 and ISO 129-1: thin extension lines
// running 2 mm past the dimension line, closed arrows, the text 1 mm above the line
// (reading from the bottom, or from the right on vertical lines). Sheet mm.
#pragma once
#include <array>
#include <string>

#include "platform/drafting/dimension.h"

namespace platform::drafting {

// A side of a view: where its strip lies. Bottom and Top strips hold dimensions along
// the sheet's X, Left and Right strips dimensions along Y.
enum class Side { Bottom, Top, Left, Right };
inline int AxisAlong(Side side) { return side == Side::Bottom || side == Side::Top ? 0 : 1; }
// +1 when the strip lies towards growing sheet coordinates (Top, Right), else -1.
inline int Outward(Side side) { return side == Side::Top || side == Side::Right ? 1 : -1; }
// The outline edge of a view facing a strip: its bottom's y, its left's x, ...
double EdgeOf(const Box2& view, Side side);

constexpr double kExtensionOvershootMm = 2.0;
constexpr double kTextLiftMm = 1.0;

// The tip and the two back corners of a closed arrow.
std::array<Point2, 3> ArrowOutline(const ArrowHead& arrow);
// The width a text is drawn with at this height: a conservative estimate (digits and
// Latin letters 0.6 em, other characters 1 em), so a box checked clear is clear.
double TextWidth(const std::string& utf8, double height);

// A linear dimension of the distance between sheet points a and b along the strip's
// axis, its dimension line at `lineAt` across that axis.
DimensionGraphics LinearGraphics(Point2 a, Point2 b, Side side, double lineAt, const std::string& text);
// One stop of a running dimension from `origin` (the datum, marked by a small circle on
// the shared line) to `at`: an extension line and one arrow at `at`, the text along the
// extension line on the strip's outer side of the line.
DimensionGraphics RunningGraphics(Point2 origin, Point2 at, Side side, double lineAt, const std::string& text);
// A leader from a point on a hole's rim (arrow at `tip`; `centre` the hole's) to `elbow`,
// with a shoulder under the text, towards +X when `rightwards`.
DimensionGraphics LeaderGraphics(Point2 tip, Point2 centre, Point2 elbow, bool rightwards, const std::string& text);
// An angle between two rays from `vertex` (radians, counter-clockwise from `from` to
// `to`): an arc of `radius` with arrows at both ends, the text outside its middle.
DimensionGraphics AngleGraphics(Point2 vertex, double from, double to, double radius, const std::string& text);

// How far from the line its drawing reaches on the strip's outer side (extension lines,
// texts): where the next row may begin.
double OuterReach(const DimensionGraphics& g, Side side, double lineAt);

}  // namespace platform::drafting
