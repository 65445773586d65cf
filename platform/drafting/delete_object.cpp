#include "platform/drafting/delete_object.h"

#include "platform/drafting/sheet.h"
#include "platform/drafting/sheets.h"
#include "platform/geometry/feature_delete.h"

namespace platform::drafting {

void DeleteWithDependants(Object& object) {
  if (auto* sheet = dynamic_cast<DrawingSheet*>(&object)) return DeleteSheet(*sheet);
  platform::DeleteWithDependants(object);
}

}  // namespace platform::drafting
