// Which bodies layer mode draws, and for which component.
#include "drawing/layer_parts.h"

#include <set>
#include <utility>

#include <uf.h>
#include <uf_assem.h>
#include <uf_obj.h>

#include "assembly/component_names.h"
#include "drawing/layer_bands.h"
#include "host/attribute_vocabulary.h"
#include "host/assembly_walks.h"
#include "host/object_attributes.h"
#include "host/uf_session.h"

namespace kzt {

namespace {

std::string object_name(tag_t object) {
  char name[UF_OBJ_NAME_BUFSIZE] = "";
  UF_OBJ_ask_name(object, name);
  return name;
}

}  // namespace

void 得到所有出图的数组zong_tag_ys(std::vector<std::string>& names, std::vector<tag_t>& tags) {
  const UfSession uf;
  names.clear();
  tags.clear();
  std::vector<tag_t> bodies;
  得到工作所有的体(UF_ASSEM_ask_work_part(), bodies);
  for (tag_t body : bodies) {
    if (得到体的属性(body, kRemark) != kMadeToDrawing) continue;
    const std::string name = 得到体的属性(body, kPartName);
    if (name.empty()) continue;
    names.push_back(name);
    tags.push_back(body);
  }
}

ComponentParts classify_component_parts(tag_t component, const PartLookup& lookup,
                                        std::vector<std::string>& partNames) {
  const UfSession uf;
  ComponentParts parts;
  const std::string tail = tail_after_dash(object_name(component));
  const int componentLayer = lookup.layerOf(component);
  std::vector<tag_t> bodies;
  得到组件下所有的实体(component, bodies, ComponentBodies::Deep);
  std::set<std::string> newNames;
  for (tag_t body : bodies) {
    if (得到体的属性(body, kRemark) != kMadeToDrawing) continue;
    const std::string name = 得到体的属性(body, kPartName);
    partNames.push_back(name);
    const std::string number = lookup.numberOf(body);
    if (number.find('-') != std::string::npos) {
      const int layer = lookup.layerOf(body);
      if (number_belongs_to(number, tail) && layer != componentLayer && layer != kWaitingLayer) {
        parts.numbered.push_back(body);
        continue;
      }
    } else if (newNames.insert(name).second) {
      parts.fresh.push_back(body);
      continue;
    }
    parts.others.push_back(body);
  }
  return parts;
}

void 得到出过图的数组b及未出过图的数组a(DrawingState& state, tag_t component, std::vector<tag_t>& numbered,
                                  std::vector<tag_t>& fresh) {
  const PartLookup host{[](tag_t body) { return 得到体的属性(body, kPartNo); }, display_layer};
  ComponentParts parts = classify_component_parts(component, host, state.component_part_names);
  numbered = std::move(parts.numbered);
  fresh = std::move(parts.fresh);
}

}  // namespace kzt
