// What an assembly sheet marks: the distinct parts its views show, each with its
// drawing-number suffix and the point of one of its edges a leader will point at.
// The parts are the members of the deepest assembly holding every shown body: its
// bodies and single-body components as parts, its multi-body components as
// sub-assemblies (one mark each, the general arrangement's way). Identical parts share a
// drawing number and get one mark.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/drafting/dimension_graphics.h"
#include "platform/drafting/drawing.h"
#include "platform/drafting/view_frame.h"
#include "platform/objects/object.h"

namespace platform::drafting {

// Where a leader may point at a part in one view.
struct MarkTip {
  std::uint32_t viewPid = 0;
  Point2 tip;                 // on a visible edge of the part, sheet mm
  std::vector<Side> sides;    // the view's sides, nearest the tip first
};

struct MarkTarget {
  std::string text;           // the drawing-number suffix, UTF-8
  std::string drawingNumber;  // the whole number, UTF-8
  std::string partName;       // UTF-8
  std::vector<MarkTip> tips;  // one per view showing an edge of it, the best first
};

struct MarkTargets {
  std::vector<MarkTarget> targets;   // in the order the parts were met
  std::vector<std::string> unmarked; // parts without a drawing number: "导杆 (number 1)"
  std::vector<std::string> unseen;   // parts no view shows an edge of: "part mark 1-3"
  bool subAssemblies = false;        // some marks stand for sub-assemblies (a general arrangement)
};

// The suffix of a drawing number: what follows the product prefix and its hyphen, or
// for a number made under another prefix what follows its first hyphen. Empty for a
// number without a hyphen (a part not numbered yet). GBK in, GBK out.
std::string DrawingNumberSuffix(const std::string& number, const std::string& productPrefix);

// `shown`: the bodies the sheet's views show; `frames`: its orthographic views.
MarkTargets FindMarkTargets(const DrawingSheet& sheet, const std::vector<Object*>& shown,
                            const std::vector<ViewFrame>& frames);

}  // namespace platform::drafting
