// The solid bodies of a part or a component, and depth-first walks of an assembly.
#include "host/assembly_walks.h"

#include <algorithm>
#include <set>

#include <uf.h>
#include <uf_assem.h>
#include <uf_modl.h>
#include <uf_obj.h>
#include <uf_object_types.h>
#include <uf_part.h>

#include "host/attribute_vocabulary.h"
#include "host/object_attributes.h"
#include "host/uf_session.h"

namespace kzt {

namespace {

bool IsSolidBody(tag_t object) {
  int type = 0, subtype = 0, bodyType = 0;
  UF_OBJ_ask_type_and_subtype(object, &type, &subtype);
  if (type != UF_solid_type || subtype != UF_solid_body_subtype) return false;
  UF_MODL_ask_body_type(object, &bodyType);
  return bodyType == UF_MODL_SOLID_BODY;
}

void CollectSolidBodies(tag_t part, bool skipReserved, std::vector<tag_t>& bodies) {
  tag_t object = NULL_TAG;
  while ((object = UF_OBJ_cycle_objs_in_part(part, UF_solid_type, object)) != NULL_TAG) {
    if (!IsSolidBody(object)) continue;
    if (skipReserved && display_layer(object) == kReservedLayer) continue;
    bodies.push_back(object);
  }
}

void Record(ComponentWalk& walk, tag_t child, const char* instanceName) {
  if (walk.skipReservedAndRepeated) {
    if (display_layer(child) == kReservedLayer) return;
    if (std::find(walk.tags.begin(), walk.tags.end(), child) != walk.tags.end()) return;
  }
  walk.tags.push_back(child);
  walk.instanceNames.emplace_back(instanceName);
}

void InstanceNameOf(tag_t component, char instanceName[UF_CFI_MAX_FILE_NAME_BUFSIZE]) {
  char partName[MAX_FSPEC_BUFSIZE] = "";
  char refset[MAX_ENTITY_NAME_BUFSIZE] = "";
  double origin[3], matrix[9], transform[4][4];
  instanceName[0] = '\0';
  UF_ASSEM_ask_component_data(component, partName, refset, instanceName, origin, matrix, transform);
}

}  // namespace

int 得到工作部件所有的实体(std::vector<tag_t>& bodies) {
  UfSession uf;
  CollectSolidBodies(UF_ASSEM_ask_work_part(), true, bodies);
  return 0;
}

int 得到工作所有的体(tag_t part, std::vector<tag_t>& bodies) {
  UfSession uf;
  bodies.clear();
  CollectSolidBodies(part, false, bodies);
  return bodies.empty() ? 0 : 1;
}

int 得到组件下所有的实体(tag_t component, std::vector<tag_t>& bodies, ComponentBodies depth) {
  UfSession uf;
  std::vector<tag_t> subComponents;
  tag_t object = NULL_TAG;
  while (UF_ASSEM_cycle_objs_in_comp(component, &object) == 0 && object != NULL_TAG) {
    int type = 0, subtype = 0;
    UF_OBJ_ask_type_and_subtype(object, &type, &subtype);
    // Only the component's own objects: deeper levels come through their own component.
    if (UF_ASSEM_ask_parent_component(object) != component) continue;
    if (type == UF_solid_type && subtype == UF_solid_body_subtype) {
      bodies.push_back(object);
    } else if (type == UF_component_type && subtype == UF_part_occurrence_subtype) {
      subComponents.push_back(object);
    }
  }
  if (depth == ComponentBodies::Direct) return 0;
  for (tag_t sub : subComponents) {
    std::vector<tag_t> deeper;
    得到组件下所有的实体(sub, deeper, ComponentBodies::Deep);
    OccurrenceFlags flags;
    for (tag_t entry : deeper) {
      tag_t body = NULL_TAG;
      得到装配下的boy(flags, entry, body);
      bodies.push_back(body);
    }
  }
  return 0;
}

void ASSEM_cycle_all_part(ComponentWalk& walk, tag_t partOccurrence) {
  UfSession uf;
  tag_t* children = nullptr;
  const int count = UF_ASSEM_ask_part_occ_children(partOccurrence, &children);
  for (int i = 0; i < count; ++i) {
    char instanceName[UF_CFI_MAX_FILE_NAME_BUFSIZE];
    InstanceNameOf(children[i], instanceName);
    ASSEM_cycle_all_part(walk, children[i]);
    Record(walk, children[i], instanceName);
  }
  if (children) UF_free(children);
}

int 得到所有组件的数组(ComponentWalk& walk, tag_t part, std::vector<tag_t>& components) {
  UfSession uf;
  // Each top-level child walked, then recorded: the same walk as from the root.
  const tag_t root = UF_ASSEM_ask_root_part_occ(part);
  if (root != NULL_TAG) ASSEM_cycle_all_part(walk, root);
  std::set<std::string> seen;
  for (tag_t tag : walk.tags) {
    char name[UF_OBJ_NAME_BUFSIZE] = "";
    UF_OBJ_ask_name(tag, name);
    if (seen.insert(name).second) components.push_back(tag);
  }
  return 0;
}

}  // namespace kzt
