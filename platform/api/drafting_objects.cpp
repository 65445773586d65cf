#include "platform/api/drafting_objects.h"

#include "platform/api/guard.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/views.h"

namespace platform::api {

DrawingSheet& SheetOrCurrent(Tag sheet) {
  if (sheet != kNullTag) return Session::Get().RequireAs<DrawingSheet>(sheet, "a drawing sheet");
  Part& part = WorkPart();
  if (DrawingSheet* current = drafting::CurrentSheet(part)) return *current;
  throw HostError(HostStatus::NotFound, "the work part has no current drawing sheet");
}

DraftingView& DrawingView(Tag view) { return drafting::NeedDrawingView(Live(view)); }

TabularNote& NoteOf(Tag noteOrSection) {
  Object& object = Live(noteOrSection);
  if (auto* note = dynamic_cast<TabularNote*>(&object)) return *note;
  if (auto* piece = dynamic_cast<TabularNotePiece*>(&object); piece && piece->Subtype() == kTabularNoteSectionSubtype)
    return *piece->note;
  throw HostError(HostStatus::WrongObjectType, TagText(noteOrSection) + " is not a tabular note or one of its sections");
}

TabularNotePiece& NotePiece(Tag tag, int subtype, const char* what) {
  auto* piece = dynamic_cast<TabularNotePiece*>(&Live(tag));
  if (!piece || piece->Subtype() != subtype)
    throw HostError(HostStatus::WrongObjectType, TagText(tag) + " is not " + what);
  return *piece;
}

}  // namespace platform::api
