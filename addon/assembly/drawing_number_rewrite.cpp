// Drawing-number rewrite over the work part's bodies and their components.
#include "assembly/drawing_number_rewrite.h"

#include <algorithm>
#include <vector>

#include <uf.h>
#include <uf_assem.h>
#include <uf_obj.h>

#include "host/attribute_vocabulary.h"
#include "host/assembly_walks.h"
#include "host/object_attributes.h"
#include "host/uf_session.h"

namespace kzt {

namespace {

// Solid bodies of the work part (its own, then its occurrences), in cycling order.
std::vector<tag_t> WorkPartBodies() {
  std::vector<tag_t> bodies;
  得到工作所有的体(UF_ASSEM_ask_work_part(), bodies);
  return bodies;
}

std::string NameOf(tag_t object) {
  char name[UF_OBJ_NAME_BUFSIZE] = "";
  UF_OBJ_ask_name(object, name);
  return name;
}

}  // namespace

std::string rewrite_input_fault(const std::string& oldText, const std::string& newText) {
  if (newText.empty()) return "请输入新图号前缀!";
  if (newText.find('-') != std::string::npos) return "新图号前缀不能含有\"-\": " + newText;
  if (oldText.find('-') != std::string::npos) return "原图号前缀不能含有\"-\": " + oldText;
  return "";
}

std::optional<std::string> rewritten_number(const std::string& number, const std::string& oldText,
                                            const std::string& newText) {
  const auto dash = number.find('-');
  if (dash == std::string::npos) return std::nullopt;
  // Only the segment that is replaced decides: a match after the first "-" is not one.
  if (number.substr(0, dash).find(oldText) == std::string::npos) return std::nullopt;
  return newText + "-" + number.substr(dash + 1);
}

NameAndNumber split_component_name(const std::string& name) {
  const auto dash = name.find('-');
  if (dash == std::string::npos) return {name, ""};
  return {name.substr(0, dash), name.substr(dash + 1)};
}

int rewrite_drawing_numbers(const std::string& oldText, const std::string& newText) {
  UfSession uf;
  int rewritten = 0;
  for (tag_t body : WorkPartBodies()) {
    const std::string number = 得到体的属性(body, kPartNo);
    if (number.empty()) continue;
    const auto newNumber = rewritten_number(number, oldText, newText);
    if (!newNumber) continue;
    OccurrenceFlags flags;
    所有实体写属性(flags, body, *newNumber, kPartNo);
    ++rewritten;
  }
  return rewritten;
}

void mark_components_from_names() {
  UfSession uf;
  std::vector<tag_t> components;
  std::vector<std::string> names;
  for (tag_t body : WorkPartBodies()) {
    const tag_t component = UF_ASSEM_ask_parent_component(body);
    if (component == NULL_TAG) continue;
    const std::string name = NameOf(component);
    if (std::find(names.begin(), names.end(), name) != names.end()) continue;
    names.push_back(name);
    components.push_back(component);
  }
  for (tag_t component : components) {
    const NameAndNumber split = split_component_name(NameOf(component));
    assign_string_attribute(component, kPartNo, split.number);
    assign_string_attribute(component, kPartName, split.partName);
  }
}

}  // namespace kzt
