// How a view draws hidden lines, as its style is edited.
#pragma once
#include <optional>

#include <NXOpen/Preferences_ViewStyleOptions.hxx>
#include <NXOpen/TaggedObject.hxx>

namespace NXOpen {
namespace Drawings {

class NXOPENCPPEXPORT ViewStyleHiddenLinesBuilder : public NXOpen::TaggedObject {
public:
  ViewStyleHiddenLinesBuilder() : TaggedObject(0) {}
  ~ViewStyleHiddenLinesBuilder() override = default;
  Preferences::Font Font() { return font_.value_or(Preferences::FontDashed); }
  void SetFont(Preferences::Font font) { font_ = font; }
  bool FontIsSet() const { return font_.has_value(); }

private:
  std::optional<Preferences::Font> font_;
};

}  // namespace Drawings
}  // namespace NXOpen
