// Part, body and assembly helpers shared by the dialog classes.
#include "host/model_helpers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>

#include <uf.h>
#include <uf_assem.h>
#include <uf_attr.h>
#include <uf_modl.h>
#include <uf_obj.h>
#include <uf_object_types.h>
#include <uf_part.h>
#include <uf_so.h>
#include <uf_wave.h>

#include "host/attribute_vocabulary.h"
#include "host/gbk_text.h"
#include "host/message.h"
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

int display_layer(tag_t object) {
  UF_OBJ_disp_props_t props{};
  if (UF_OBJ_ask_display_properties(object, &props) != 0) return 0;
  return props.layer;
}

bool assign_string_attribute(tag_t object, const std::string& title, const std::string& value) {
  UfSession uf;
  UF_ATTR_value_t v;
  v.type = kAttrString;
  v.value.string = const_cast<char*>(value.c_str());
  char doing[300];
  std::snprintf(doing, sizeof doing, "属性 %s 未能写入对象 %u:", title.c_str(), object);
  return report_host_failure(doing, UF_ATTR_assign(object, title.c_str(), v));
}

std::string 得到体的属性(tag_t object, const char* title) {
  UfSession uf;
  char titleBuffer[UF_ATTR_MAX_TITLE_BUFSIZE];
  std::snprintf(titleBuffer, sizeof titleBuffer, "%s", title);
  UF_ATTR_value_t value;
  value.type = 0;
  value.value.string = nullptr;
  UF_ATTR_read_value(object, titleBuffer, kAttrAny, &value);
  std::string result;
  if (value.type == kAttrString && value.value.string) {
    result = value.value.string;
    UF_free(value.value.string);
  }
  return result;
}

void 所有实体写属性(OccurrenceFlags& flags, tag_t body, const std::string& value,
                   const std::string& title, int colour, ColourBodyFn colourBody) {
  UfSession uf;
  if (UF_ASSEM_is_occurrence(body)) {
    flags.metOccurrence = true;
    const tag_t prototype = UF_ASSEM_ask_prototype_of_occ(body);
    assign_string_attribute(prototype, title, value);
    if (colourBody) colourBody(colour, prototype);
    assign_string_attribute(body, title, value);
  } else {
    flags.metPlain = true;
    assign_string_attribute(body, title, value);
  }
  if (colourBody) colourBody(colour, body);
}

int 得到装配下的boy(OccurrenceFlags& flags, tag_t object, tag_t& body) {
  UfSession uf;
  if (UF_ASSEM_is_occurrence(object)) {
    flags.metOccurrence = true;
    body = UF_ASSEM_ask_prototype_of_occ(object);
  } else {
    flags.metPlain = true;
    body = object;
  }
  return 0;
}

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

std::string 得到新建组件的路径(tag_t component) {
  UfSession uf;
  char partName[MAX_FSPEC_BUFSIZE] = "";
  char refset[MAX_ENTITY_NAME_BUFSIZE] = "";
  char instanceName[UF_CFI_MAX_FILE_NAME_BUFSIZE] = "";
  double origin[3], matrix[9], transform[4][4];
  UF_ASSEM_ask_component_data(component, partName, refset, instanceName, origin, matrix, transform);
  return partName;
}

std::string 获取文件名和路径(const std::string& path, int mode) {
  const size_t slash = LastBackslash(path);
  if (mode == 1) {
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t ext = name.find(".prt");
    return ext == std::string::npos ? name : name.substr(0, ext);
  }
  if (mode == 2) return slash == std::string::npos ? std::string() : path.substr(0, slash);
  return std::string();
}

int 得到字符数字个数(const std::string& text) {
  // Digits are below 0x40, so they are never the trail byte of a GBK character.
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

int 查找连续图号(const std::vector<int>& used, std::vector<int>& free) {
  if (used.empty()) return 0;
  for (size_t i = 1; i < used.size(); ++i)
    for (int n = used[i - 1] + 1; n < used[i]; ++n) free.push_back(n);
  const int limit = static_cast<int>(used.size()) + 20;
  for (int n = used.back() + 1; n <= limit; ++n) free.push_back(n);
  return 0;
}

bool link_body(tag_t source, tag_t xform, tag_t workPart, tag_t& feature) {
  UfSession uf;
  char doing[160];
  std::snprintf(doing, sizeof doing, "体 %u 未能链接到工作部件:", source);
  return report_host_failure(doing, UF_WAVE_create_linked_body(source, xform, workPart, true, &feature));
}

tag_t 抽取实体(tag_t body, tag_t& linkedBody) {
  UfSession uf;
  linkedBody = body;
  const tag_t parent = UF_ASSEM_ask_parent_component(body);
  const tag_t work = UF_ASSEM_ask_work_occurrence();
  if (parent == work) return NULL_TAG;
  const tag_t prototype = UF_ASSEM_ask_prototype_of_occ(body);
  const tag_t workPart = UF_ASSEM_ask_work_part();
  tag_t xform = NULL_TAG;
  UF_SO_create_xform_assy_ctxt(workPart, parent, work, &xform);
  tag_t feature = NULL_TAG;
  if (!link_body(prototype, xform, workPart, feature)) {
    linkedBody = NULL_TAG;
    return NULL_TAG;
  }
  // A link whose body cannot be had would stay in the work part on top of its source.
  if (!report_host_failure("链接体未能取得:", UF_MODL_ask_feat_body(feature, &linkedBody)) || linkedBody == NULL_TAG) {
    UF_OBJ_delete_object(feature);
    linkedBody = NULL_TAG;
    return NULL_TAG;
  }
  return feature;
}

}  // namespace kzt
