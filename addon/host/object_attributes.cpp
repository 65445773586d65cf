// String attributes and the display layer of objects.
#include "host/object_attributes.h"

#include <cstdio>

#include <uf.h>
#include <uf_assem.h>
#include <uf_attr.h>
#include <uf_obj.h>

#include "host/attribute_vocabulary.h"
#include "host/message.h"
#include "host/uf_session.h"

namespace kzt {

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

}  // namespace kzt
