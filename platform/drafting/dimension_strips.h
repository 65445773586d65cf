// Placing dimensions in strips along the four sides of each view, outside its outline:
// a strip's candidates are gathered first, ordered so that shorter spans lie nearer the
// view (their extension lines then cross no dimension line of their own strip), and
// spaced row by row, about 7 mm apart. Every text is kept clear of the other texts, the
// views, the title block and the frame; what finds no place is reported, not drawn.
#pragma once
#include <string>
#include <vector>

#include "platform/drafting/dimension.h"
#include "platform/drafting/dimension_graphics.h"
#include "platform/drafting/view_curves.h"

namespace platform::drafting {

constexpr double kRowSpacingMm = 7.0;
constexpr double kFirstRowMm = 8.0;     // from the view's outline to the first row
constexpr double kClearanceMm = 1.0;    // between a text and anything else

enum class ProposalShape { Linear, Running, Leader, Angle };

// A dimension waiting for its place. Sheet millimetres.
struct Proposal {
  std::uint32_t viewPid = 0;
  DimensionKind kind = DimensionKind::Linear;
  ProposalShape shape = ProposalShape::Linear;
  double value = 0;
  int count = 1;
  std::string text;
  std::vector<Side> sides;  // strips to try, in order
  // Linear: the two ends measured; Running: the datum and the stop; Leader: the point on
  // the rim; Angle: the vertex (a) and the ray directions `from`, `to` (radians).
  Point2 a, b;
  Point2 centre;  // Leader: the centre of the hole it points at
  double from = 0, to = 0;
  // Extension lines start at the view's outline facing the strip rather than at a and b
  // (overall sizes, whose ends lie on the outline anyway).
  bool fromOutline = false;
  int chain = -1;          // running stops of one chain share one line
  int positionsAxis = -1;  // hole positions: the screen axis they run along (0 X, 1 Y)
  std::uint32_t holesView = 0;  // hole positions and diameters: the view showing the holes round
  std::string what;        // for messages: what the dimension gives
};

// What lies on the sheet already: the frame's inside, and boxes nothing may cover.
struct SheetObstacles {
  Box2 frame;
  std::vector<Box2> views;   // indexed like `viewPids`
  std::vector<std::uint32_t> viewPids;
  std::vector<Box2> blocked; // title block and other tables, texts
};

struct PlacedDimension {
  Proposal proposal;
  DimensionGraphics drawn;
};

struct Placement {
  std::vector<PlacedDimension> placed;
  std::vector<std::string> unplaced;  // `what` of each proposal that found no place
};

Placement PlaceInStrips(const std::vector<Proposal>& proposals, const SheetObstacles& sheet);

// Problems of dimensions already placed: a text outside the frame or over a view, a
// table, a text or another dimension's text. Empty when the sheet is clean.
std::vector<std::string> CheckPlacement(const std::vector<PlacedDimension>& placed, const SheetObstacles& sheet);

}  // namespace platform::drafting
