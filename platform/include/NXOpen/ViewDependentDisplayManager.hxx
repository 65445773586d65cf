// View-dependent edits of one drawing view: bodies shaded or erased in that view only.
#pragma once
#include <vector>

#include <NXOpen/DisplayableObject.hxx>
#include <NXOpen/NXColor.hxx>

namespace NXOpen {

class View;

class NXOPENCPPEXPORT ViewDependentDisplayManager {
public:
  enum PartialShading { PartialShadingNoChange, PartialShadingOriginal, PartialShadingNo, PartialShadingYes };
  enum Translucency { TranslucencyNoChange, TranslucencyOriginal, TranslucencyYes };

  ~ViewDependentDisplayManager() = default;
  // Shades each object (a body or body occurrence the view shows) in the colour (null:
  // the body's own), with the translucency scale 0..100 when `translucencyOption` is Yes,
  // opaque otherwise. Throws NXException naming an object the view cannot show; the
  // objects before it keep their edit.
  void ApplyShadeEdit(NXColor* shadeColor, PartialShading partialShading, Translucency translucencyOption,
                      int translucencyScale, const std::vector<DisplayableObject*>& objects);
  // Erases each object from the view.
  void Erase(const std::vector<DisplayableObject*>& objects);
  // Erasures and shade edits of the view are gone.
  void RemoveAllEdits();

private:
  friend class View;
  explicit ViewDependentDisplayManager(tag_t view) : view_(view) {}
  tag_t view_;
};

}  // namespace NXOpen
