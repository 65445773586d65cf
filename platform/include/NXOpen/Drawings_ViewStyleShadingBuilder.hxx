// How a view shades bodies, as its style is edited.
#pragma once
#include <optional>

#include <NXOpen/Preferences_ViewStyleOptions.hxx>
#include <NXOpen/TaggedObject.hxx>

namespace NXOpen {
namespace Drawings {

class NXOPENCPPEXPORT ViewStyleShadingBuilder : public NXOpen::TaggedObject {
public:
  ViewStyleShadingBuilder() : TaggedObject(0) {}
  ~ViewStyleShadingBuilder() override = default;
  Preferences::ShadingRenderingStyleOption RenderingStyle() {
    return style_.value_or(Preferences::ShadingRenderingStyleOptionWireframe);
  }
  void SetRenderingStyle(Preferences::ShadingRenderingStyleOption renderingStyle) { style_ = renderingStyle; }
  bool RenderingStyleIsSet() const { return style_.has_value(); }

private:
  std::optional<Preferences::ShadingRenderingStyleOption> style_;
};

}  // namespace Drawings
}  // namespace NXOpen
