// uf_obj.h: types, names, status, display properties, cycling and deletion of objects.
#include <uf_obj.h>

#include <algorithm>
#include <cctype>

#include "platform/api/cycle.h"
#include "platform/api/guard.h"
#include "platform/assemblies/occurrence.h"
#include "platform/drafting/delete_object.h"
#include "platform/drafting/views.h"
#include "platform/geometry/body.h"
#include "platform/geometry/feature.h"
#include "platform/objects/display.h"
#include "platform/objects/host_types.h"

using namespace platform;
using namespace platform::api;

// The C interface hands out the platform's own codes; they must be the host's.
static_assert(UF_view_type == kViewType && UF_drawing_type == kDrawingType);
static_assert(UF_component_type == kComponentType && UF_part_occurrence_subtype == kPartOccurrenceSubtype);
static_assert(UF_solid_type == kSolidType && UF_solid_body_subtype == kSolidBodySubtype);
static_assert(UF_solid_face_subtype == kSolidFaceSubtype && UF_solid_edge_subtype == kSolidEdgeSubtype);
static_assert(UF_tabular_note_type == kTabularNoteType && UF_feature_type == kFeatureType);
static_assert(UF_tabular_note_section_subtype == kTabularNoteSectionSubtype &&
              UF_tabular_note_subtype == kTabularNoteSubtype && UF_parts_list_subtype == kPartsListSubtype);
static_assert(UF_view_modeling_subtype == kModelViewSubtype);
static_assert(UF_OBJ_MAX_COLOR == kColorCount);

namespace {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

Tag NextNamed(Part& part, const std::string& name, int type, Tag current) {
  const std::string key = "name:" + std::to_string(part.GetTag()) + ":" + std::to_string(type) + ":" + name;
  return CycleNext(key, current, [&] {
    std::vector<Tag> named;
    for (Tag t : PartSequence(part, type))
      if (Object* o = Session::Get().Find(t); o && SameName(Session::Get().NameOf(*o), name)) named.push_back(t);
    return named;
  });
}

// Deletes an object with what depends on it (a feature's bodies, a body's features).
void DeleteObject(Tag tag) {
  Object& object = Live(tag);
  if (dynamic_cast<Part*>(&object))
    throw HostError(HostStatus::WrongObjectType, TagText(tag) + " is a part; close it with UF_PART_close");
  drafting::DeleteWithDependants(object);
}

}  // namespace

extern "C" {

int UF_OBJ_ask_type_and_subtype(tag_t object_id, int* type, int* subtype) {
  return Guard("UF_OBJ_ask_type_and_subtype", [&] {
    Need(type, "type");
    Need(subtype, "subtype");
    *type = *subtype = 0;
    Object& object = Live(object_id);
    *type = object.Type();
    *subtype = object.Subtype();
  });
}

int UF_OBJ_ask_status(tag_t object_id) {
  return Session::Get().Find(object_id) ? UF_OBJ_ALIVE : UF_OBJ_DELETED;
}

int UF_OBJ_ask_owning_part(tag_t object, tag_t* owning_part) {
  return Guard("UF_OBJ_ask_owning_part", [&] {
    Need(owning_part, "owning_part");
    *owning_part = NULL_TAG;
    Object& o = Live(object);
    if (dynamic_cast<Part*>(&o)) throw HostError(HostStatus::WrongObjectType, TagText(object) + " is a part");
    *owning_part = OwningPart(o).GetTag();
  });
}

int UF_OBJ_ask_name(tag_t object, char name[UF_OBJ_NAME_BUFSIZE]) {
  return Guard("UF_OBJ_ask_name", [&] {
    Need(name, "name");
    name[0] = '\0';
    Object& o = Live(object);
    const std::string& shown = Session::Get().NameOf(o);
    if (shown.empty()) throw HostError(HostStatus::NotFound, TagText(object) + " has no name");
    CopyOut(name, UF_OBJ_NAME_BUFSIZE, shown);
  });
}

int UF_OBJ_set_name(tag_t object, const char* name) {
  return Guard("UF_OBJ_set_name", [&] {
    Object& o = Live(object);
    SetObjectName(o, NeedText(name, "name"));
    if (o.owner) o.owner->modified = true;
  });
}

int UF_OBJ_delete_name(tag_t object) {
  return Guard("UF_OBJ_delete_name", [&] {
    Object& o = Live(object);
    SetObjectName(o, "");
    if (o.owner) o.owner->modified = true;
  });
}

tag_t UF_OBJ_cycle_objs_in_part(tag_t part_tag, int type, tag_t object) {
  return GuardValue("UF_OBJ_cycle_objs_in_part", NULL_TAG, [&] {
    Part& part = NeedPart(part_tag);
    const std::string key = "part:" + std::to_string(part_tag) + ":" + std::to_string(type);
    return CycleNext(key, object, [&] { return PartSequence(part, type); });
  });
}

tag_t UF_OBJ_cycle_objs_in_part1(tag_t part_tag, int type, tag_t object) {
  return UF_OBJ_cycle_objs_in_part(part_tag, type, object);
}

int UF_OBJ_cycle_by_name_and_type(tag_t part_tag, const char* name, int type, logical cycle_all, tag_t* object) {
  return Guard("UF_OBJ_cycle_by_name_and_type", [&] {
    Need(object, "object");
    const std::string n = NeedText(name, "name");
    Part& part = NeedPart(part_tag);
    if (type == UF_view_type) drafting::ModelViewsOf(part);  // every part has them
    *object = NextNamed(part, n, type, *object);
  });
}

int UF_OBJ_cycle_by_name(const char* name, tag_t* object) {
  return Guard("UF_OBJ_cycle_by_name", [&] {
    Need(object, "object");
    const std::string n = NeedText(name, "name");
    *object = NextNamed(WorkPart(), n, -1, *object);
  });
}

int UF_OBJ_delete_object(tag_t object_id) {
  return Guard("UF_OBJ_delete_object", [&] { DeleteObject(object_id); });
}

int UF_OBJ_delete_array_of_objects(int num_objects, tag_t* objects, int* statuses) {
  return Guard("UF_OBJ_delete_array_of_objects", [&] {
    if (num_objects > 0) Need(objects, "objects");
    int first = 0;
    for (int i = 0; i < num_objects; ++i) {
      const int code = UF_OBJ_delete_object(objects[i]);
      if (statuses) statuses[i] = code;
      if (code && !first) first = code;
    }
    if (first) throw HostError(static_cast<HostStatus>(first), LastFailure().text);
  });
}

int UF_OBJ_ask_display_properties(tag_t object_id, UF_OBJ_disp_props_p_t disp_props) {
  return Guard("UF_OBJ_ask_display_properties", [&] {
    Need(disp_props, "disp_props");
    Object& o = Displayable(object_id);
    const Display& d = Session::Get().DisplayOf(o);
    disp_props->layer = d.layer;
    disp_props->color = d.color;
    disp_props->blank_status = d.blanked ? UF_OBJ_BLANKED : UF_OBJ_NOT_BLANKED;
    disp_props->line_width = UF_OBJ_WIDTH_NORMAL;
    disp_props->font = UF_OBJ_FONT_SOLID;
    disp_props->highlight_status = o.display.highlighted;  // the object's own, never inherited
  });
}

int UF_OBJ_set_layer(tag_t object_id, int layer) {
  return Guard("UF_OBJ_set_layer", [&] {
    Object& o = Displayable(object_id);
    if (layer < kMinLayer || layer > kMaxLayer)
      throw HostError(HostStatus::InvalidArgument, "layer " + std::to_string(layer) + " is not in 1..256");
    Session::Get().EditDisplay(o).layer = layer;
  });
}

int UF_OBJ_set_color(tag_t object_id, int color) {
  return Guard("UF_OBJ_set_color", [&] {
    Object& o = Displayable(object_id);
    if (color < UF_OBJ_MIN_COLOR || color > UF_OBJ_MAX_COLOR)
      throw HostError(HostStatus::InvalidArgument, "colour " + std::to_string(color) + " is not in 1..216");
    Session::Get().EditDisplay(o).color = color;
  });
}

int UF_OBJ_set_blank_status(tag_t object_id, int blank_status) {
  return Guard("UF_OBJ_set_blank_status", [&] {
    Object& o = Displayable(object_id);
    if (blank_status != UF_OBJ_NOT_BLANKED && blank_status != UF_OBJ_BLANKED)
      throw HostError(HostStatus::InvalidArgument, "blank status " + std::to_string(blank_status) + " is not 0 or 1");
    Session::Get().EditDisplay(o).blanked = blank_status == UF_OBJ_BLANKED;
  });
}

int UF_OBJ_ask_translucency(tag_t object_id, int* translucency) {
  return Guard("UF_OBJ_ask_translucency", [&] {
    Need(translucency, "translucency");
    *translucency = Session::Get().DisplayOf(Displayable(object_id)).translucency;
  });
}

int UF_OBJ_set_translucency(tag_t object_id, int translucency) {
  return Guard("UF_OBJ_set_translucency", [&] {
    Object& o = Displayable(object_id);
    if (translucency < 0 || translucency > 100)
      throw HostError(HostStatus::InvalidArgument, "translucency " + std::to_string(translucency) + " is not in 0..100");
    Session::Get().EditDisplay(o).translucency = translucency;
  });
}

}  // extern "C"
