// What the drawing dialog carries for its pipelines while it is open.
#pragma once
#include <string>
#include <vector>

#include <uf_defs.h>
#include <uf_draw_types.h>

#include "drawing/scale_rule.h"
#include "host/assembly_walks.h"

namespace kzt {

struct DrawingState {
  // component_tags and instance_names: the walk leaves out layer 171 and repeated tags.
  ComponentWalk walk{true, {}, {}};
  double sheet_gap_x = 0;
  double sheet_gap_y = 0;
  Extents view_extents{};
  // Layer mode.
  std::vector<std::string> component_part_names;
  tag_t current_sheet = NULL_TAG;
  UF_DRAW_info_t sheet_info{};
};

}  // namespace kzt
