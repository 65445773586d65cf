// Numbering passes of drawing production. Host return codes are not tested: a failed
// call leaves its output empty and the pass goes on with the next object.
#include "drawing/numbering.h"

#include <algorithm>

#include <uf.h>
#include <uf_assem.h>
#include <uf_attr.h>
#include <uf_draw.h>
#include <uf_layer.h>
#include <uf_obj.h>
#include <uf_ui.h>

#include "attributes/duplicates.h"
#include "drawing/quantity_count.h"
#include "host/attribute_vocabulary.h"
#include "host/message.h"
#include "host/assembly_walks.h"
#include "host/object_attributes.h"
#include "host/part_file_names.h"
#include "host/uf_session.h"

namespace kzt {

namespace {

// What a user can do about a part file name without a name and a number.
std::string unnumbered_part_advice() {
  return ": 零件文件名须为 名称-编号 (如 底板-3),图号由此而来。\n"
         "请把组件改名为 名称-编号,或在自动出图对话框中选\"重命名组件\"改名后再出图。";
}

// Number and name on a body or component, following an occurrence to its prototype.
void write_number_and_name(tag_t object, const std::string& number, const std::string& name) {
  OccurrenceFlags flags;
  所有实体写属性(flags, object, number, kPartNo);
  所有实体写属性(flags, object, name, kPartName);
}

// The sub-assembly pass both modes share: each multi-body component, and every walked
// occurrence of the same name, gets "prefix-number" and its name.
void number_subassemblies(DrawingState& state, const std::string& prefix, const std::vector<tag_t>& subassemblies) {
  for (tag_t component : subassemblies) {
    const ParsedName parsed = 得到路径名称部件(component);
    const std::string number = prefix + "-" + parsed.number;
    assign_string_attribute(component, kPartNo, number);
    assign_string_attribute(component, kPartName, parsed.name);
    for (tag_t other : state.walk.tags) {
      if (得到路径名称部件(other).name != parsed.name) continue;
      assign_string_attribute(other, kPartNo, number);
      assign_string_attribute(other, kPartName, parsed.name);
    }
  }
}

void number_work_part(const std::string& prefix, const std::string& productName) {
  const tag_t work = UF_ASSEM_ask_work_part();
  assign_string_attribute(work, kPartNo, prefix);
  assign_string_attribute(work, kPartName, productName);
}

}  // namespace

int 得到组件及零件的tag(DrawingState& state, std::vector<tag_t>& subassemblies, std::vector<tag_t>& parts) {
  const UfSession uf;
  std::vector<tag_t> components;
  得到所有组件的数组(state.walk, UF_ASSEM_ask_work_part(), components);
  for (tag_t component : components) {
    std::vector<tag_t> bodies;
    得到组件下所有的实体(component, bodies, ComponentBodies::Deep);
    (bodies.size() == 1 ? parts : subassemblies).push_back(component);
  }
  return 0;
}

int 判断模式(DrawingState& state) {
  std::vector<tag_t> subassemblies, parts;
  得到组件及零件的tag(state, subassemblies, parts);
  return parts.size() < 2 ? 2 : 1;
}

int 组件出图初始化(DrawingState& state) {
  const UfSession uf;
  int workLayer = 0;
  UF_LAYER_ask_work_layer(&workLayer);
  if (workLayer == kReservedLayer) UF_LAYER_set_status(1, UF_LAYER_WORK_LAYER);
  int sheetCount = 0;
  tag_t* sheets = nullptr;
  UF_DRAW_ask_drawings(&sheetCount, &sheets);
  if (sheets) UF_free(sheets);
  if (sheetCount != 0) return 1;
  for (tag_t component : state.walk.tags) {
    if (display_layer(component) == kReservedLayer) UF_OBJ_set_layer(component, 1);
    std::vector<tag_t> bodies;
    得到组件下所有的实体(component, bodies, ComponentBodies::Deep);
    for (tag_t body : bodies)
      if (display_layer(body) == kReservedLayer) UF_OBJ_set_layer(body, 1);
  }
  UF_LAYER_set_status(1, UF_LAYER_ACTIVE_LAYER);
  return 0;
}

ParsedName 得到路径名称部件(tag_t component) {
  const std::string path = 得到新建组件的路径(component);
  return parse_subassembly_name(获取文件名和路径(path, 1), path);
}

ParsedName 得到路径名称零件(tag_t component) {
  const std::string path = 得到新建组件的路径(component);
  return parse_part_name(获取文件名和路径(path, 1), path);
}

std::map<std::string, std::vector<tag_t>> 工作部件实体按名称() {
  std::vector<tag_t> bodies;
  得到工作部件所有的实体(bodies);
  std::map<std::string, std::vector<tag_t>> byName;
  for (tag_t body : bodies) byName[得到体的属性(body, kPartName)].push_back(body);
  return byName;
}

int 批量修改零件图号(DrawingState& state, const std::string& prefix, const std::string& productName) {
  const UfSession uf;
  number_work_part(prefix, productName);
  std::vector<tag_t> subassemblies, parts;
  得到组件及零件的tag(state, subassemblies, parts);
  number_subassemblies(state, prefix, subassemblies);
  // Read once for all parts: numbering adds no body and writes each matching body the
  // name it already has, so every part finds the bodies a fresh walk would. Only an
  // occurrence named otherwise than its prototype changes names (the prototype's, and so
  // its other occurrences'): the bodies are read again after that.
  std::map<std::string, std::vector<tag_t>> byName;
  bool walked = false;
  for (tag_t component : parts) {
    const ParsedName parsed = 得到路径名称零件(component);
    if (parsed.name.empty()) {
      // Imported parts carry names such as "tube 30x30x2 900mm leg": say what to do.
      show_message("零件无名称属性,无法创建图号\n" + parsed.fileName + unnumbered_part_advice());
      continue;
    }
    const std::string number = prefix + "-" + parsed.number;
    if (!walked) {
      byName = 工作部件实体按名称();
      walked = true;
    }
    if (const auto named = byName.find(parsed.name); named != byName.end())
      for (tag_t body : named->second) {
        if (UF_ASSEM_is_occurrence(body) &&
            得到体的属性(UF_ASSEM_ask_prototype_of_occ(body), kPartName) != parsed.name)
          walked = false;
        write_number_and_name(body, number, parsed.name);
      }
    write_number_and_name(component, number, parsed.name);
  }
  return 0;
}

int 批量修改零件图号_图层出图(DrawingState& state, const std::string& prefix, const std::string& productName) {
  const UfSession uf;
  number_work_part(prefix, productName);
  std::vector<tag_t> subassemblies, parts;
  得到组件及零件的tag(state, subassemblies, parts);
  number_subassemblies(state, prefix, subassemblies);
  std::vector<tag_t> bodies;
  得到工作部件所有的实体(bodies);
  for (tag_t body : bodies) {
    if (得到体的属性(body, kRemark) != kMadeToDrawing) continue;
    const std::string renumbered = replace_product_prefix(prefix, 得到体的属性(body, kPartNo));
    if (renumbered.empty()) continue;
    OccurrenceFlags flags;
    所有实体写属性(flags, body, renumbered, kPartNo);
  }
  return 0;
}

int 得到数量及总数(tag_t body, tag_t component, int& quantity, int& total) {
  QuantityCount().Of(body, component, quantity, total);
  return 0;
}

int 找重叠体(const std::vector<tag_t>& bodies) {
  const UfSession uf;
  const int unique = static_cast<int>(classify_by_key(bodies).unique.size());
  return unique;
}

}  // namespace kzt
