// Dimension styles: the dimension variables the header and each DIMSTYLE record
// share, and the styles a drawing needs, one per text height and view scale.
#pragma once
#include <string>
#include <vector>

#include "platform/dwg/bit_writer.h"
#include "platform/dwg/drawing.h"

namespace platform::dwg {

// Closed filled arrows, text above the line and aligned with it, figures without
// trailing zeros. `lengthFactor` (DIMLFAC) turns sheet mm into the model mm shown.
struct DimensionStyle {
  std::string name;  // UTF-8
  double textHeight = 3.5;
  double lengthFactor = 1.0;
};

// DIMPOST to DIMATFIT, in the order the header and the DIMSTYLE record both use.
void WriteDimensionVariables(BitWriter& w, const DimensionStyle& style);

// The styles of a drawing's dimensions in order of first use ("GB3.5" for 3.5 mm
// text at 1:1, "GB3.5 x7.69231" where sheet mm are multiplied by 7.69231); a
// drawing without dimensions gets the first alone.
class DimensionStyles {
 public:
  explicit DimensionStyles(const Drawing& drawing);
  const std::vector<DimensionStyle>& All() const { return styles_; }
  size_t IndexOf(const Dimension& dimension) const;

 private:
  std::vector<DimensionStyle> styles_;
};

}  // namespace platform::dwg
