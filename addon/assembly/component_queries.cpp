// Assembly queries of batch component creation.
#include "assembly/component_queries.h"

#include <algorithm>

#include <io.h>
#include <uf.h>
#include <uf_assem.h>
#include <uf_obj.h>
#include <uf_object_types.h>
#include <uf_part.h>

#include "assembly/component_names.h"
#include "host/attribute_vocabulary.h"
#include "host/gbk_text.h"
#include "host/assembly_walks.h"
#include "host/object_attributes.h"
#include "host/part_file_names.h"
#include "host/uf_session.h"

namespace kzt {

namespace {

// Each query walks afresh, so components moved or deleted by an earlier step of the
// same dialog are never reported.
std::vector<tag_t> ComponentsOfDisplayedAssembly() {
  ComponentWalk walk;
  std::vector<tag_t> components;
  得到所有组件的数组(walk, UF_PART_ask_display_part(), components);
  return components;
}

}  // namespace

std::string component_stem(tag_t component) { return 获取文件名和路径(得到新建组件的路径(component), 1); }

int 得到组件的tag(std::vector<tag_t>& parents) {
  UfSession uf;
  std::vector<tag_t> multiBody;
  for (tag_t component : ComponentsOfDisplayedAssembly()) {
    std::vector<tag_t> bodies;
    得到组件下所有的实体(component, bodies, ComponentBodies::Direct);
    if (bodies.size() > 1) multiBody.push_back(component);
  }
  std::vector<int> numbers;
  for (tag_t component : multiBody)
    if (const auto number = component_number(component_stem(component))) numbers.push_back(*number);
  std::sort(numbers.begin(), numbers.end());
  // A number shared by two parents must not list either of them twice.
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  // A name without a number has none: it never matches a parent numbered 0.
  for (int number : numbers)
    for (tag_t component : multiBody)
      if (component_number(component_stem(component)) == number) parents.push_back(component);
  return 0;
}

int 得到出图的体(tag_t component, std::vector<tag_t>& bodies) {
  std::vector<tag_t> all;
  得到组件下所有的实体(component, all, ComponentBodies::Direct);
  std::vector<std::string> names;
  for (tag_t body : all) {
    if (得到体的属性(body, kRemark) != kMadeToDrawing) continue;
    if (得到体的属性(body, kPartNo).find('-') != std::string::npos) continue;
    const std::string name = 得到体的属性(body, kPartName);
    if (std::find(names.begin(), names.end(), name) != names.end()) continue;
    names.push_back(name);
    bodies.push_back(body);
  }
  return 0;
}

int 得到组件下的组件(tag_t component, std::vector<tag_t>& components) {
  UfSession uf;
  std::vector<std::string> names;
  tag_t object = NULL_TAG;
  while (UF_ASSEM_cycle_objs_in_comp(component, &object) == 0 && object != NULL_TAG) {
    int type = 0, subtype = 0;
    UF_OBJ_ask_type_and_subtype(object, &type, &subtype);
    if (type != UF_component_type || subtype != UF_part_occurrence_subtype) continue;
    if (UF_ASSEM_ask_parent_component(object) != component) continue;
    char name[UF_OBJ_NAME_BUFSIZE] = "";
    UF_OBJ_ask_name(object, name);
    if (std::find(names.begin(), names.end(), name) != names.end()) continue;
    names.emplace_back(name);
    components.push_back(object);
  }
  return 0;
}

int 得到所有组件的名称(std::vector<std::string>& names) {
  UfSession uf;
  for (tag_t component : ComponentsOfDisplayedAssembly())
    names.push_back(part_name_of_component(component_stem(component)));
  return 0;
}

void 得到目录下所有文件名(const std::string& folder, std::vector<std::string>& files) {
  _finddata64i32_t entry;
  const intptr_t handle = _findfirst64i32((folder + "\\*").c_str(), &entry);
  if (handle == -1) return;
  do {
    const std::string name = entry.name;
    if (entry.attrib & _A_SUBDIR) {
      if (name != "." && name != "..") 得到目录下所有文件名(folder + "\\" + name, files);
    } else {
      files.push_back(folder + "\\" + name);
    }
  } while (_findnext64i32(handle, &entry) == 0);
  _findclose(handle);
}

int 遍历内存(const std::string& fileName, int& status) {
  UfSession uf;
  status = kPartNotOpen;
  const int count = UF_PART_ask_num_parts();
  for (int i = 0; i < count; ++i) {
    char path[MAX_FSPEC_BUFSIZE] = "";
    UF_PART_ask_part_name(UF_PART_ask_nth_part(i), path);
    if (FileNameOf(path).substr(0, 500) == fileName) status = kPartOpen;
  }
  return 0;
}

}  // namespace kzt
