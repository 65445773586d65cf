// Layer mode's drawing parts: the made-to-drawing bodies of the work part, and a
// component's parts split into those already numbered for it and those still new.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include <uf_defs.h>

#include "drawing/drawing_state.h"

namespace kzt {

// Part names and tags of every made-to-drawing solid body of the work part, repeats
// kept, every layer; both lists are cleared first.
void 得到所有出图的数组zong_tag_ys(std::vector<std::string>& names, std::vector<tag_t>& tags);

// A body's drawing number and display layer as a run sees them: the host's, or what
// the planned run will have made of them by then.
struct PartLookup {
  std::function<std::string(tag_t)> numberOf;
  std::function<int(tag_t)> layerOf;
};
// The made-to-drawing bodies under a component, sorted.
struct ComponentParts {
  std::vector<tag_t> numbered;  // a hyphenated number belonging to the component, on a
                                // layer other than the component's and 90
  std::vector<tag_t> fresh;     // no hyphen: the first body of each name
  std::vector<tag_t> others;    // the rest: later bodies of a name, numbers of others
};
// Sorts the made-to-drawing bodies under `component`, appending their names to
// `partNames` (repeats kept).
ComponentParts classify_component_parts(tag_t component, const PartLookup& lookup,
                                        std::vector<std::string>& partNames);
// The same with the host's numbers and layers; the names go to component_part_names.
void 得到出过图的数组b及未出过图的数组a(DrawingState& state, tag_t component, std::vector<tag_t>& numbered,
                                  std::vector<tag_t>& fresh);

}  // namespace kzt
