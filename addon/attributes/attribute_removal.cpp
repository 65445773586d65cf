// Attribute removal and the restore of the state before drawing production.
#include "attributes/attribute_removal.h"

#include <cstdio>

#include <uf.h>
#include <uf_assem.h>
#include <uf_attr.h>
#include <uf_draw.h>
#include <uf_obj.h>

#include "host/attribute_vocabulary.h"
#include "host/message.h"
#include "host/assembly_walks.h"
#include "host/object_attributes.h"
#include "host/uf_session.h"

namespace kzt {

namespace {

// The drawing number a body gets back: the mark of a body not yet numbered.
constexpr const char* kFirstDrawingNumber = "1";

void RemoveOwnAttributes(tag_t object) {
  char doing[120];
  std::snprintf(doing, sizeof doing, "对象 %u 的属性未能删除:", object);
  report_host_failure(doing, UF_ATTR_delete_all(object, kAttrAny));
}

}  // namespace

void remove_all_attributes(const std::vector<tag_t>& objects) {
  UfSession uf;
  for (tag_t object : objects) {
    if (UF_ASSEM_is_occurrence(object)) RemoveOwnAttributes(UF_ASSEM_ask_prototype_of_occ(object));
    RemoveOwnAttributes(object);
  }
}

std::vector<tag_t> made_to_drawing_bodies_to_layer_1() {
  UfSession uf;
  std::vector<tag_t> solids, bodies;
  得到工作所有的体(UF_ASSEM_ask_work_part(), solids);
  for (tag_t body : solids) {
    if (得到体的属性(body, kRemark) == kMadeToDrawing) {
      bodies.push_back(body);
      UF_OBJ_set_layer(body, 1);
    }
    // A body of the work part itself has no parent component.
    const tag_t component = UF_ASSEM_ask_parent_component(body);
    if (component != NULL_TAG) UF_OBJ_set_layer(component, 1);
  }
  return bodies;
}

void reset_drawing_numbers(const std::vector<tag_t>& bodies) {
  for (tag_t body : bodies) {
    OccurrenceFlags flags;
    所有实体写属性(flags, body, kFirstDrawingNumber, kPartNo);
  }
}

void delete_drawing_sheets() {
  UfSession uf;
  int count = 0;
  tag_t* sheets = nullptr;
  if (UF_DRAW_ask_drawings(&count, &sheets) != 0) return;
  for (int i = 0; i < count; ++i) {
    char doing[120];
    std::snprintf(doing, sizeof doing, "图纸页 %u 未能删除:", sheets[i]);
    report_host_failure(doing, UF_DRAW_delete_drawing(sheets[i]));
  }
  UF_free(sheets);
}

}  // namespace kzt
