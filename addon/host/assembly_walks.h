// The solid bodies of a part or a component, and depth-first walks of an assembly.
#pragma once
#include <string>
#include <vector>

#include <uf_defs.h>

namespace kzt {

// Solid bodies (type 70/0, body type 5601) of the work part, without layer 171.
int 得到工作部件所有的实体(std::vector<tag_t>& bodies);
// Solid bodies of a part, every layer; the list is cleared first. 1 when any was found.
int 得到工作所有的体(tag_t part, std::vector<tag_t>& bodies);

// Bodies under a component. Direct: its own body occurrences. Deep: those, then the
// prototype bodies of every sub-component at every level below.
enum class ComponentBodies { Direct, Deep };
int 得到组件下所有的实体(tag_t component, std::vector<tag_t>& bodies, ComponentBodies depth);

// A depth-first walk of an assembly, each child recorded after its own descendants.
struct ComponentWalk {
  bool skipReservedAndRepeated = false;  // leave out layer 171 and tags already recorded
  std::vector<tag_t> tags;
  std::vector<std::string> instanceNames;
};
void ASSEM_cycle_all_part(ComponentWalk& walk, tag_t partOccurrence);
// The first-recorded component of each distinct component name below the root part
// occurrence of `part`.
int 得到所有组件的数组(ComponentWalk& walk, tag_t part, std::vector<tag_t>& components);

}  // namespace kzt
