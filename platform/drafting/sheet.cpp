#include "platform/drafting/sheet.h"

#include "platform/objects/session.h"

namespace platform {

DrawingSheet::~DrawingSheet() {
  if (ownView_) Session::Get().Unregister(ownView_->GetTag());
}

SheetOwnView& DrawingSheet::OwnView() {
  if (!ownView_) {
    ownView_ = std::make_unique<SheetOwnView>(*this);
    ownView_->name = name;
    Session::Get().Register(*ownView_);
  }
  return *ownView_;
}

}  // namespace platform
