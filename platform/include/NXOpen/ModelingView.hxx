// A model view every part has: "Front", "Top", "Right", "Left", "Back", "Bottom",
// "Isometric", "Trimetric", with the host's view directions.
#pragma once
#include <NXOpen/View.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT ModelingView : public View {
public:
  ~ModelingView() override;

protected:
  friend class NXObjectManager;
  explicit ModelingView(tag_t tag) : View(tag) {}
};

}  // namespace NXOpen
