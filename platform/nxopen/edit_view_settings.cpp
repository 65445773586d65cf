// Editing the style settings of drawing views through the object interface.
#include <NXOpen/Drafting_SettingsManager.hxx>
#include <NXOpen/Part.hxx>

#include "platform/drafting/views.h"
#include "platform/nxopen/host_calls.h"
#include "platform/text/gbk.h"

using platform::nxopen::Call;
using platform::nxopen::LiveAs;
using platform::nxopen::LivePart;

namespace NXOpen {

namespace Drafting {

BaseEditSettingsBuilder::~BaseEditSettingsBuilder() = default;

Drawings::EditViewSettingsBuilder* SettingsManager::CreateDrawingEditViewSettingsBuilder(
    const std::vector<Drawings::DraftingView*>& views) {
  platform::Part& part = LivePart(part_);
  std::vector<tag_t> tags;
  for (Drawings::DraftingView* view : views) {
    if (!view) platform::nxopen::Throw(platform::HostStatus::InvalidArgument, "a null view was given to edit");
    auto& drawn = LiveAs<platform::DraftingView>(view->Tag(), "a drawing view");
    if (drawn.kind == platform::ViewKind::Model || drawn.owner != &part)
      platform::nxopen::Throw(platform::HostStatus::InvalidArgument,
                              "view \"" + platform::text::ToUtf8Lossy(drawn.name) + "\" is not a drawing view of part " +
                                  platform::text::ToUtf8Lossy(part.path));
    tags.push_back(view->Tag());
  }
  return new Drawings::EditViewSettingsBuilder(std::move(tags));
}

void SettingsManager::ProcessForMultipleObjectsSettings(const std::vector<BaseEditSettingsBuilder*>&) {
  LivePart(part_);
}

}  // namespace Drafting

namespace Drawings {

EditViewSettingsBuilder::~EditViewSettingsBuilder() = default;

NXObject* EditViewSettingsBuilder::Commit() {
  std::vector<platform::DraftingView*> views;
  for (tag_t tag : views_) views.push_back(&LiveAs<platform::DraftingView>(tag, "a drawing view"));
  ViewStyleHiddenLinesBuilder& hidden = *style_.ViewStyleHiddenLines();
  ViewStyleShadingBuilder& shading = *style_.ViewStyleShading();
  for (platform::DraftingView* view : views) {
    if (hidden.FontIsSet()) view->hiddenLineFont = static_cast<int>(hidden.Font());
    if (shading.RenderingStyleIsSet()) view->shadingStyle = static_cast<int>(shading.RenderingStyle());
    view->owner->modified = true;
  }
  return nullptr;
}

}  // namespace Drawings

Drafting::SettingsManager* Part::SettingsManager() {
  LivePart(Tag());
  if (!settingsManager_) settingsManager_.reset(new Drafting::SettingsManager(Tag()));
  return settingsManager_.get();
}

}  // namespace NXOpen
