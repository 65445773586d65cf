#include "platform/drafting/work_view.h"

#include "platform/drafting/application.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/views.h"

namespace platform::drafting {

Object& WorkView(Part& part) {
  if (CurrentApplication() == Application::Drafting)
    if (DrawingSheet* sheet = CurrentSheet(part)) return sheet->OwnView();
  return *ModelViewsOf(part).front();
}

}  // namespace platform::drafting
