// Places a model view of an open part as a base view on the work part's current sheet.
#pragma once
#include <NXOpen/Builder.hxx>
#include <NXOpen/Drawings_SelectModelViewBuilder.hxx>
#include <NXOpen/Drawings_ViewPlacementBuilder.hxx>
#include <NXOpen/Drawings_ViewScaleBuilder.hxx>
#include <NXOpen/Drawings_ViewStyleBuilder.hxx>

namespace NXOpen {
namespace Drawings {

class BaseView;
class DraftingViewCollection;

class NXOPENCPPEXPORT BaseViewBuilder : public NXOpen::Builder {
public:
  ~BaseViewBuilder() override;
  ViewStyleBuilder* Style() { return &style_; }
  SelectModelViewBuilder* SelectModelView() { return &modelView_; }
  ViewScaleBuilder* Scale() { return &scale_; }
  ViewPlacementBuilder* Placement() { return &placement_; }
  // Makes the view (a BaseView, out of date until the sheet's views are updated) centred
  // at the placement point (x, y in sheet millimetres). Throws NXException when there is
  // no current sheet, no part or model view is set, the part is not open, or the model
  // view is not one of that part's; nothing is made then.
  NXObject* Commit() override;
  bool Validate() override;

private:
  friend class DraftingViewCollection;
  BaseViewBuilder(tag_t part, BaseView* view) : part_(part), view_(view) {}
  tag_t part_;
  BaseView* view_;  // null: a new view
  ViewStyleBuilder style_;
  SelectModelViewBuilder modelView_;
  ViewScaleBuilder scale_;
  ViewPlacementBuilder placement_;
};

}  // namespace Drawings
}  // namespace NXOpen
