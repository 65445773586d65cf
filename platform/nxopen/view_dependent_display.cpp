// View-dependent edits and colours through the object interface: a view's dependent
// display, the colour table by name, and regenerating a part's views.
#include <NXOpen/BasePart.hxx>
#include <NXOpen/ColorManager.hxx>
#include <NXOpen/View.hxx>
#include <NXOpen/ViewCollection.hxx>
#include <NXOpen/ViewDependentDisplayManager.hxx>

#include "platform/drafting/view_edits.h"
#include "platform/drafting/views.h"
#include "platform/nxopen/host_calls.h"
#include "platform/objects/color_table.h"
#include "platform/objects/display.h"

using platform::nxopen::Call;
using platform::nxopen::LiveAs;
using platform::nxopen::LivePart;

namespace NXOpen {

namespace {

platform::DraftingView& EditedView(tag_t view) {
  auto& object = LiveAs<platform::Object>(view, "a view");
  return Call([&]() -> platform::DraftingView& { return platform::drafting::NeedDrawingView(object); });
}

}  // namespace

ViewDependentDisplayManager* View::DependentDisplay() {
  LiveAs<platform::Object>(Tag(), "a view");
  if (!dependentDisplay_) dependentDisplay_.reset(new ViewDependentDisplayManager(Tag()));
  return dependentDisplay_.get();
}

void ViewDependentDisplayManager::ApplyShadeEdit(NXColor* shadeColor, PartialShading, Translucency translucencyOption,
                                                 int translucencyScale, const std::vector<DisplayableObject*>& objects) {
  platform::DraftingView& view = EditedView(view_);
  const int color = shadeColor ? shadeColor->Label() : 0;
  const int transparency = translucencyOption == TranslucencyYes ? translucencyScale : 0;
  for (DisplayableObject* object : objects) {
    if (!object) platform::nxopen::Throw(platform::HostStatus::InvalidArgument, "a shade edit was given a null object");
    auto& body = LiveAs<platform::Object>(object->Tag(), "a body");
    Call([&] { platform::drafting::ApplyShadeEdit(view, body, color, transparency); });
  }
}

void ViewDependentDisplayManager::Erase(const std::vector<DisplayableObject*>& objects) {
  platform::DraftingView& view = EditedView(view_);
  for (DisplayableObject* object : objects) {
    if (!object) platform::nxopen::Throw(platform::HostStatus::InvalidArgument, "an erase was given a null object");
    auto& body = LiveAs<platform::Object>(object->Tag(), "a body");
    Call([&] { platform::drafting::EraseFromView(view, body); });
  }
}

void ViewDependentDisplayManager::RemoveAllEdits() { platform::drafting::RemoveAllEdits(EditedView(view_)); }

ColorManager::~ColorManager() = default;

// The host's standard names; the table holds them for every part.
NXColor* ColorManager::Find(const NXString& name) {
  LivePart(part_);
  for (int number = 1; number <= platform::kColorCount; ++number) {
    if (platform::ColorName(number) != name.GetText()) continue;
    auto& colour = found_[number];
    if (!colour) colour.reset(new NXColor(number, name));
    return colour.get();
  }
  return nullptr;
}

ColorManager* BasePart::Colors() {
  LivePart(Tag());
  if (!colors_) colors_.reset(new ColorManager(Tag()));
  return colors_.get();
}

void ViewCollection::Regenerate() { LivePart(part_); }

}  // namespace NXOpen
