// Balloons in the views' strips: each part mark goes to the side of its view nearest its
// tip, beyond the dimensions already placed there (then to its other sides, then to the
// other views that show the part). A side's balloons sit on one row, in
// the order of their tips, spread apart; where two leaders would still cross their
// balloons change places (each exchange shortens the leaders in total, so it ends), and
// a row that will not clear moves outwards, then its marks try the view's other sides.
#pragma once
#include <string>
#include <vector>

#include "platform/drafting/dimension_strips.h"
#include "platform/drafting/part_mark_targets.h"

namespace platform::drafting {

constexpr double kMinBalloonRadiusMm = 4.0;

struct PlacedMark {
  MarkTarget target;
  MarkTip at;               // the view and point its leader points at
  DimensionGraphics drawn;  // leader, circle, arrow, number; text box = the circle's box
};

struct MarkPlacement {
  std::vector<PlacedMark> placed;
  std::vector<std::string> unplaced;  // "part mark 1-3 (横档)"
};

MarkPlacement PlaceMarks(const std::vector<MarkTarget>& targets, const SheetObstacles& sheet,
                         const std::vector<PlacedDimension>& dimensions);

// The balloon of a mark: a circle of `radius` at `centre`, the leader from `tip` to its
// rim, an arrow at the tip, the text's baseline set so the number sits in the middle.
DimensionGraphics BalloonGraphics(Point2 tip, Point2 centre, double radius);

// Every pair of leaders that cross, or of a leader through another mark's balloon, named
// by their numbers. Empty when the marks are clean.
std::vector<std::string> CrossingLeaders(const std::vector<PlacedMark>& marks);

}  // namespace platform::drafting
