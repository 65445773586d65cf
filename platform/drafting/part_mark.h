// A part mark on an assembly sheet: a balloon holding the drawing-number suffix of one
// distinct part (or sub-assembly), its leader ending in an arrow on a visible edge of
// that part in one view. Drawn with the dimensions' graphics: the leader as a line, the
// balloon as a full circle, the arrow, the number centred in the circle (its text box is
// the circle's box). Automatic marks are replaced when the dimensioning command runs again.
#pragma once
#include <cstdint>
#include <string>

#include "platform/drafting/dimension.h"

namespace platform {

constexpr int kDraftingEntityType = 25;  // the host's drafting annotations
constexpr int kIdSymbolSubtype = 3;      // of which: identification symbols (balloons)

class PartMark : public Object {
public:
  PartMark() : Object(kDraftingEntityType, kIdSymbolSubtype) {}
  std::uint32_t HolderPid() const override { return sheetPid; }  // set before it joins a part
  std::uint32_t sheetPid = 0;
  std::uint32_t viewPid = 0;  // the view whose edge the leader points at
  std::string text;           // the drawing-number suffix, as drawn (UTF-8)
  std::string drawingNumber;  // the whole number it stands for (UTF-8)
  std::string partName;       // its part name (UTF-8), for reports
  bool automatic = true;
  DimensionGraphics drawn;    // lines[0] the leader from the arrow's tip to the circle

  drafting::Point2 Tip() const { return drawn.arrows.empty() ? drafting::Point2{} : drawn.arrows.front().tip; }
  drafting::Point2 Centre() const { return drawn.arcs.empty() ? drafting::Point2{} : drawn.arcs.front().centre; }
};

}  // namespace platform
