// Views through the object interface: model views, the work view, drafting views and the
// base-view builder.
#include <map>

#include <NXOpen/Drawings_BaseView.hxx>
#include <NXOpen/Drawings_BaseViewBuilder.hxx>
#include <NXOpen/Drawings_DraftingView.hxx>
#include <NXOpen/Drawings_DraftingViewCollection.hxx>
#include <NXOpen/ModelingView.hxx>
#include <NXOpen/ModelingViewCollection.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/View.hxx>
#include <NXOpen/ViewCollection.hxx>

#include "platform/drafting/sheets.h"
#include "platform/drafting/views.h"
#include "platform/drafting/application.h"
#include "platform/nxopen/host_calls.h"
#include "platform/text/gbk.h"

using platform::HostStatus;
using platform::nxopen::Call;
using platform::nxopen::LivePart;
using platform::nxopen::Throw;

namespace NXOpen {

View::~View() = default;
ModelingView::~ModelingView() = default;

namespace {
// Rendering styles by view tag: tags are never reused in a session.
std::map<tag_t, View::RenderingStyleType>& RenderingStyles() {
  static std::map<tag_t, View::RenderingStyleType> styles;
  return styles;
}
}  // namespace

View::RenderingStyleType View::RenderingStyle() {
  platform::nxopen::LiveAs<platform::Object>(Tag(), "a view");
  auto it = RenderingStyles().find(Tag());
  return it == RenderingStyles().end() ? RenderingStyleTypeShadedWithEdges : it->second;
}

void View::SetRenderingStyle(RenderingStyleType renderingStyle) {
  platform::nxopen::LiveAs<platform::Object>(Tag(), "a view");
  if (renderingStyle < RenderingStyleTypeShadedWithEdges || renderingStyle > RenderingStyleTypeStaticWireframe)
    Throw(HostStatus::InvalidArgument, "rendering style " + std::to_string(int(renderingStyle)) + " is not one of the host's");
  RenderingStyles()[Tag()] = renderingStyle;
}

namespace Drawings {

DraftingView::~DraftingView() = default;
BaseView::~BaseView() = default;

BaseViewBuilder* DraftingViewCollection::CreateBaseViewBuilder(BaseView* baseView) {
  LivePart(part_);
  if (baseView) Throw(HostStatus::NotImplemented, "editing an existing base view with a builder is not supported");
  return new BaseViewBuilder(part_, baseView);
}

BaseViewBuilder::~BaseViewBuilder() = default;

bool BaseViewBuilder::Validate() {
  return style_.ViewStyleBase()->Part() && modelView_.SelectedView() && placement_.Placement()->IsSet() &&
         scale_.Numerator() > 0 && scale_.Denominator() > 0;
}

NXObject* BaseViewBuilder::Commit() {
  platform::Part& sheetPart = LivePart(part_);
  platform::DrawingSheet* sheet = platform::drafting::CurrentSheet(sheetPart);
  if (!sheet) Throw(HostStatus::NotFound, "the part has no current sheet to place a base view on");
  NXOpen::Part* shown = style_.ViewStyleBase()->Part();
  if (!shown) Throw(HostStatus::InvalidArgument, "the base view has no part set (ViewStyleBase SetPart)");
  platform::Part& modelPart = LivePart(shown->Tag());
  NXOpen::ModelingView* selected = modelView_.SelectedView();
  if (!selected) Throw(HostStatus::InvalidArgument, "the base view has no model view selected");
  auto& modelView = platform::nxopen::LiveAs<platform::DraftingView>(selected->Tag(), "a model view");
  if (modelView.kind != platform::ViewKind::Model || modelView.owner != &modelPart)
    Throw(HostStatus::InvalidArgument, "view \"" + platform::text::ToUtf8Lossy(modelView.name) +
                                           "\" is not a model view of part " +
                                           platform::text::ToUtf8Lossy(modelPart.path));
  if (!placement_.Placement()->IsSet()) Throw(HostStatus::InvalidArgument, "the base view has no placement point");
  if (!(scale_.Denominator() > 0)) Throw(HostStatus::InvalidArgument, "the base view's scale denominator is not above 0");
  NXObject* object = nullptr;
  View* view = nullptr;
  Point3d point;
  placement_.Placement()->GetValue(&object, &view, &point);
  const tag_t made = Call([&] {
    return platform::drafting::AddBaseView(*sheet, modelPart, modelView.name, scale_.Numerator() / scale_.Denominator(),
                                           {point.X, point.Y})
        .GetTag();
  });
  return dynamic_cast<NXObject*>(NXObjectManager::Get(made));
}

}  // namespace Drawings

ModelingView* ModelingViewCollection::FindObject(const NXString& journalIdentifier) {
  platform::Part& part = LivePart(part_);
  const tag_t tag = Call([&] { return platform::drafting::ModelViewOf(part, journalIdentifier.GetText()).GetTag(); });
  return dynamic_cast<ModelingView*>(NXObjectManager::Get(tag));
}

ModelingView* ModelingViewCollection::WorkView() {
  platform::Part& part = LivePart(part_);
  auto* view = dynamic_cast<ModelingView*>(NXObjectManager::Get(platform::drafting::WorkView(part).GetTag()));
  if (!view) Throw(HostStatus::InvalidArgument, "the work view of this part is a drawing sheet's, not a model view");
  return view;
}

View* ViewCollection::WorkView() {
  platform::Part& part = LivePart(part_);
  return dynamic_cast<View*>(NXObjectManager::Get(platform::drafting::WorkView(part).GetTag()));
}

Drawings::DraftingViewCollection* Part::DraftingViews() {
  if (!draftingViews_) draftingViews_.reset(new Drawings::DraftingViewCollection(Tag()));
  return draftingViews_.get();
}

ModelingViewCollection* Part::ModelingViews() {
  if (!modelingViews_) modelingViews_.reset(new ModelingViewCollection(Tag()));
  return modelingViews_.get();
}

ViewCollection* Part::Views() {
  if (!views_) views_.reset(new ViewCollection(Tag()));
  return views_.get();
}

}  // namespace NXOpen
