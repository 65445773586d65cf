#include "platform/drafting/delete_object.h"

#include "platform/drafting/sheet.h"
#include "platform/drafting/sheets.h"
#include "platform/geometry/feature_delete.h"
#include "platform/objects/session.h"

namespace platform::drafting {

void DeleteWithDependants(Object& object) {
  if (auto* sheet = dynamic_cast<DrawingSheet*>(&object)) return DeleteSheet(*sheet);
  // A view takes the dimensions, part marks and hole tables of its features along: a file
  // keeps none of a view it does not hold.
  if (auto* view = dynamic_cast<DraftingView*>(&object); view && view->kind != ViewKind::Model) {
    std::vector<Tag> doomed;
    const DrawingSheet& sheet = SheetOf(*view);
    for (Dimension* dimension : DimensionsOf(sheet))
      if (dimension->viewPid == view->pid) doomed.push_back(dimension->GetTag());
    for (PartMark* mark : PartMarksOf(sheet))
      if (mark->viewPid == view->pid) doomed.push_back(mark->GetTag());
    for (HoleTable* table : HoleTablesOf(sheet))
      if (table->grid.viewPid == view->pid) doomed.push_back(table->GetTag());
    for (Tag tag : doomed) Session::Get().Delete(tag);
  }
  platform::DeleteWithDependants(object);
}

}  // namespace platform::drafting
