// What a drawing view shows and draws: the bodies on its visible layers (component
// bodies at their assembly placement), their hidden-line projection computed on update
// and kept until the geometry, the layers or the view change.
#pragma once
#include <array>
#include <optional>
#include <vector>

#include "platform/drafting/drawing.h"
#include "platform/objects/part.h"

namespace platform::drafting {

// The part a view shows: its own for model and imported views, the model part for base
// views and their projections. HostError(NotFound) naming the part when it is not open.
Part& ShownPart(const DraftingView& view);
// Every body and body occurrence of that part that is not blanked and lies on a layer the
// view shows (all layers without a mask), or lies in a component on such a layer.
std::vector<Object*> ShownBodies(const DraftingView& view);

// Changed since its content was computed (or never computed).
bool IsOutOfDate(DraftingView& view);
// Computes the content again. HostError naming the view and its sheet when it shows no
// body any more (its bodies were deleted or lie on hidden layers) or the projection
// fails; the view keeps what it drew before. A view whose last bodies were erased from
// it draws nothing.
void UpdateView(DraftingView& view);
// Every out-of-date view of the sheet; a view that fails does not stop the others, the
// first failure is thrown once all were tried.
void UpdateOutOfDateViews(DrawingSheet& sheet);

// What the view draws, for reports: counts of visible and hidden curves and their
// extent on the sheet [xmin, ymin, xmax, ymax] (none before the first update). The
// content is drawn centred on the view's centre.
struct DrawnExtent {
  int visible = 0, hidden = 0;
  std::optional<std::array<double, 4>> box;
};
DrawnExtent DrawnExtentOf(const DraftingView& view);

}  // namespace platform::drafting
