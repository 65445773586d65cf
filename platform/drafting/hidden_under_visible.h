// A hidden edge that lies under a visible one is not drawn, as on any shop drawing:
// removes from the hidden curves every stretch that a visible curve covers. Curves
// repeated on top of each other are drawn once.
#pragma once
#include "platform/drafting/view_curves.h"

namespace platform::drafting {

void DropHiddenUnderVisible(ViewContent& content, double toleranceMm = kCoincidenceMm);

// Keeps one of each set of identical lines or arcs (bodies that touch, faces seen edge-on
// one behind the other), so that a view's edge counts are what a person sees.
void DropRepeatedCurves(std::vector<Curve2>& curves, double toleranceMm = kCoincidenceMm);

// Both of the above on a view's projected curves (hidden stretches within the content's
// own coincidence of a visible edge dropped), then its extent measured: the content as a
// person sees it on the sheet.
void DrawAsSeen(ViewContent& content);

}  // namespace platform::drafting
