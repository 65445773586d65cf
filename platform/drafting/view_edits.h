// View-dependent edits of a drawing view: bodies erased from it and bodies shown shaded
// in it. The model is not touched; the edits belong to the view and are saved with it.
#pragma once
#include <string>

#include "platform/drafting/drawing.h"
#include "platform/objects/object.h"

namespace platform::drafting {

// The view is to be drawn again, and its part saved.
void MarkViewChanged(DraftingView& view);

// How the view names one of the bodies it can show, across saves: "body:PID" for a body
// of the shown part, "occurrence:PATH#PID" for a body seen through its components.
// HostError(InvalidArgument) naming the object when the view cannot show it.
std::string ShownBodyKey(const DraftingView& view, const Object& body);
// The body of the shown part a key names; nullptr when it is gone.
Object* ShownBodyOfKey(const DraftingView& view, const std::string& key);

bool IsErased(const DraftingView& view, const Object& body);
// The view no longer draws the body; the model keeps it. Marks the view out of date.
void EraseFromView(DraftingView& view, const Object& body);
// Draws the body filled in `color` (0: its own colour), `transparency` 0..100; a second
// edit of the same body replaces the first. HostError(InvalidArgument) outside 0..100.
void ApplyShadeEdit(DraftingView& view, const Object& body, int color, int transparency);
// Erased bodies come back and shade edits go; the view is out of date when it changed.
void RemoveAllEdits(DraftingView& view);

}  // namespace platform::drafting
