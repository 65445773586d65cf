// The drafting module's 2D curves (Point2, radians) as the DWG writer's entities
// (Point, degrees): the one place where the two meet. `offset` moves each point, as a
// view's origin places its curves on the sheet.
#pragma once
#include "platform/drafting/view_curves.h"
#include "platform/dwg/drawing.h"

namespace platform::dwg {

Point ToPoint(drafting::Point2 p, drafting::Point2 offset = {});
Line ToLine(const drafting::Line2& line, drafting::Point2 offset = {});
// Counter-clockwise as the view has it, the start angle in [0, 360) and the end angle
// the sweep on from it, brought into [0, 360) too (an arc across 0° ends below its
// start); a full circle runs from 0 to 360.
Arc ToArc(const drafting::Arc2& arc, drafting::Point2 offset = {});
// The entity that draws a view curve: a full circle as a Circle.
Geometry ToGeometry(const drafting::Curve2& curve, drafting::Point2 offset = {});

}  // namespace platform::dwg
