// The model view a base view shows.
#pragma once
#include <NXOpen/ModelingView.hxx>
#include <NXOpen/TaggedObject.hxx>

namespace NXOpen {
namespace Drawings {

class NXOPENCPPEXPORT SelectModelViewBuilder : public NXOpen::TaggedObject {
public:
  SelectModelViewBuilder() : TaggedObject(0) {}
  ~SelectModelViewBuilder() override = default;
  NXOpen::ModelingView* SelectedView() { return view_; }
  void SetSelectedView(NXOpen::ModelingView* view) { view_ = view; }

private:
  NXOpen::ModelingView* view_ = nullptr;
};

}  // namespace Drawings
}  // namespace NXOpen
