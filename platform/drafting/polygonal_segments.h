// Reads the polygonal hidden-line algorithm's result straight from its segments, without
// building an edge for each: sharp edges and face outlines, visible and hidden, joined
// where consecutive segments continue one straight line.
#pragma once
#include <HLRBRep_PolyAlgo.hxx>

#include "platform/drafting/view_curves.h"

namespace platform::drafting {

// Appends to content.visible and content.hidden, scaled by `scale`; `algo` has been updated.
void AppendPolygonalSegments(const Handle(HLRBRep_PolyAlgo)& algo, double scale, ViewContent& content);

}  // namespace platform::drafting
