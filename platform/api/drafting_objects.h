// The drafting objects the C interface is handed: sheets (NULL_TAG: the work part's
// current one), drawing views and tabular notes, each checked to be of its kind.
#pragma once
#include "platform/drafting/drawing.h"
#include "platform/objects/tag.h"

namespace platform::api {

// HostError naming the tag when it is not a sheet, or when NULL_TAG is given and the
// work part has no current sheet.
DrawingSheet& SheetOrCurrent(Tag sheet);
DraftingView& DrawingView(Tag view);
TabularNote& NoteOf(Tag noteOrSection);
TabularNotePiece& NotePiece(Tag piece, int subtype, const char* what);

}  // namespace platform::api
