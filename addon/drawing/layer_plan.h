// The plan of a layer-mode run, worked out on what the model holds before anything
// changes: each numbered component's band, the layers its parts move to and the numbers
// its new parts get, in the order the run makes them. A plan with problems is not run.
#pragma once
#include <string>
#include <vector>

#include <uf_defs.h>

#include "drawing/drawing_names.h"
#include "drawing/drawing_state.h"

namespace kzt {

struct ComponentBand {
  tag_t component = NULL_TAG;
  ParsedName parsed;      // name segment, component number text, file name
  int firstLayer = 0;     // L0: the component's layer
  bool assembly = false;  // "装配" in the file name: no component sheet, numbers prefix-n
  std::vector<tag_t> numbered;  // parts numbered before, moved to L0 + their number
  std::vector<int> numberedParts;
  std::vector<tag_t> fresh;            // new parts, one per name
  std::vector<int> freshParts;         // their numbers; 0 when one was passed over
  std::vector<std::string> freshNumbers;  // their drawing numbers ("" when passed over)
  std::vector<tag_t> others;           // made-to-drawing bodies on no part layer: onto L0
  std::vector<std::string> partNames;  // names of all its made-to-drawing bodies
};

struct LayerPlan {
  std::vector<std::string> drawingNames;  // the work part's drawing set
  std::vector<tag_t> drawingTags;
  std::vector<ComponentBand> bands;  // numbered components, in walk order
  std::vector<std::string> problems;  // one per component whose band cannot be laid out
};

// Walks the work assembly (filling the state's component tags and instance names).
LayerPlan plan_layer_drawings(DrawingState& state, const std::string& prefix);

}  // namespace kzt
