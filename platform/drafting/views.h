// Views of a part: its model views, and the drawing views placed on its sheets (base,
// projected and imported), their scale, place, name and layer mask.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/drafting/drawing.h"
#include "platform/objects/part.h"

namespace platform::drafting {

using SheetPoint = std::array<double, 2>;  // sheet mm from the lower left corner

// The part's model views ("Front", ... "Trimetric"), made for the session the first time
// they are asked for: not among the part's objects, not saved, no change of the part.
std::vector<DraftingView*> ModelViewsOf(Part& part);
// HostError(NotFound) naming the view and the part when it has no model view of that name.
DraftingView& ModelViewOf(Part& part, const std::string& name);

// A model view of `modelPart` (this part or another open one) on `sheet`, centred at
// `center`. Out of date until updated.
DraftingView& AddBaseView(DrawingSheet& sheet, Part& modelPart, const std::string& modelView, double scale,
                          SheetPoint center);
// A model view of the sheet's own part, showing every layer until a mask is set.
DraftingView& ImportView(DrawingSheet& sheet, const std::string& modelView, double scale, SheetPoint center);

// Projection directions: where the new view lies relative to its parent.
enum class ProjectionDirection { Infer = 0, Above = 1, Right = 2, Below = 3, Left = 4 };
// The first-angle projection of `parent` on the parent's sheet, at the parent's scale,
// aligned with it: the view placed right of a front view shows the model from the left,
// the view placed below shows it from above. Infer takes the direction from where the
// reference point lies. It shows what its parent shows (the parent's layer mask too).
DraftingView& AddProjectedView(DraftingView& parent, ProjectionDirection direction, SheetPoint reference);

// The view stays centred where it is; HostError(InvalidArgument) for a scale <= 0. The
// view is out of date afterwards unless the scale is the one it had.
void SetViewScale(DraftingView& view, double scale);
void MoveView(DraftingView& view, SheetPoint center);
// None: every layer shows.
void SetLayerMask(DraftingView& view, std::optional<LayerMask> mask);

// A drawing view of the part by name ("FRONT@1"); nullptr when there is none.
DraftingView* FindDrawingView(const Part& part, const std::string& name);
// A drawing view (not a model view); HostError(WrongObjectType) naming it otherwise.
DraftingView& NeedDrawingView(Object& object);

}  // namespace platform::drafting

namespace platform {

// Drawing views follow the part they show to its new file name: every drawing view of an
// open part that shows the part once named `oldPath` now shows it under `newPath`; its part
// is marked modified so that its next save records it.
void FollowRenamedModelPart(const std::string& oldPath, const std::string& newPath);

}  // namespace platform
