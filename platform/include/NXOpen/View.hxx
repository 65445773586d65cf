// A view of a part: a model view ("Front", "Isometric", ...), a sheet's own view or a
// drafting view placed on a sheet.
#pragma once
#include <memory>

#include <NXOpen/NXObject.hxx>
#include <NXOpen/ViewDependentDisplayManager.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT View : public NXObject {
public:
  // How the view draws bodies. Kept for the session; this host draws nothing on screen.
  enum RenderingStyleType {
    RenderingStyleTypeShadedWithEdges,
    RenderingStyleTypeShaded,
    RenderingStyleTypeWireframeWithDimEdges,
    RenderingStyleTypeWireframeWithHiddenEdges,
    RenderingStyleTypeStaticWireframe,
  };
  ~View() override;
  RenderingStyleType RenderingStyle();  // shaded with edges until set
  void SetRenderingStyle(RenderingStyleType renderingStyle);
  // The view's view-dependent edits; only drawing views keep them here.
  ViewDependentDisplayManager* DependentDisplay();

protected:
  friend class NXObjectManager;
  explicit View(tag_t tag) : NXObject(tag) {}

private:
  std::unique_ptr<ViewDependentDisplayManager> dependentDisplay_;
};

}  // namespace NXOpen
