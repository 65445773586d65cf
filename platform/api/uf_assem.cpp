// uf_assem.h: occurrences, prototypes, components, the work part and work occurrence.
#include <uf_assem.h>

#include "platform/api/cycle.h"
#include "platform/api/guard.h"
#include "platform/assemblies/occurrence.h"
#include "platform/assemblies/occurrences.h"
#include "platform/assemblies/work_part.h"

using namespace platform;
using namespace platform::api;

namespace {

ComponentOccurrence& NeedComponent(Tag tag) {
  return Session::Get().RequireAs<ComponentOccurrence>(tag, "a component (part occurrence)");
}

// The instance a (non-root) component occurrence stands for.
const Instance& InstanceOf(const ComponentOccurrence& occ) {
  const Instance* instance = occ.parentPart ? occ.parentPart->FindInstance(occ.instancePid) : nullptr;
  if (!instance)
    throw HostError(HostStatus::WrongObjectType,
                    TagText(occ.GetTag()) + " is a root part occurrence, not a component");
  return *instance;
}

// x' = R x + t as the host's 4x4 matrix: rotation rows, translation in the last column.
void PutMatrix(const Transform& t, double transform[4][4]) {
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) transform[i][j] = t.rotation[i * 3 + j];
    transform[i][3] = t.translation[i];
  }
  transform[3][0] = transform[3][1] = transform[3][2] = 0;
  transform[3][3] = 1;
}

void SetWork(Object& target) {
  if (auto* occ = dynamic_cast<ComponentOccurrence*>(&target)) return SetWorkComponent(*occ);
  auto* part = dynamic_cast<Part*>(&target);
  if (!part) throw HostError(HostStatus::WrongObjectType, TagText(target.GetTag()) + " is neither a part nor a component");
  SetWorkPart(*part);
}

}  // namespace

extern "C" {

logical UF_ASSEM_is_occurrence(tag_t entity) {
  Object* object = Session::Get().Find(entity);
  return object && object->IsOccurrence();
}

tag_t UF_ASSEM_ask_prototype_of_occ(tag_t occurrence) {
  return GuardValue("UF_ASSEM_ask_prototype_of_occ", NULL_TAG, [&] {
    Object& object = Live(occurrence);
    if (auto* c = dynamic_cast<ComponentOccurrence*>(&object); c && c->parent)
      return c->part ? c->part->GetTag() : NULL_TAG;
    return Session::Get().Prototype(object).GetTag();
  });
}

tag_t UF_ASSEM_ask_root_part_occ(tag_t part) {
  return GuardValue("UF_ASSEM_ask_root_part_occ", NULL_TAG, [&] {
    Part& p = NeedPart(part);
    return p.Instances().empty() ? NULL_TAG : Occurrences::Get().RootOccurrence(p).GetTag();
  });
}

int UF_ASSEM_ask_part_occ_children(tag_t part_occur, tag_t** child_part_occs) {
  int count = 0;
  Guard("UF_ASSEM_ask_part_occ_children", [&] {
    Need(child_part_occs, "child_part_occs");
    *child_part_occs = nullptr;
    std::vector<tag_t> tags;
    for (ComponentOccurrence* child : Occurrences::Get().Children(NeedComponent(part_occur))) tags.push_back(child->GetTag());
    *child_part_occs = DupArray(tags);
    count = static_cast<int>(tags.size());
  });
  return count;
}

tag_t UF_ASSEM_ask_parent_component(tag_t occurrence) {
  return GuardValue("UF_ASSEM_ask_parent_component", NULL_TAG, [&] {
    Object& object = Live(occurrence);
    if (auto* body = dynamic_cast<BodyOccurrence*>(&object)) return body->component;
    if (auto* c = dynamic_cast<ComponentOccurrence*>(&object)) return c->parent;
    return NULL_TAG;
  });
}

tag_t UF_ASSEM_ask_part_occurrence(tag_t occurrence) { return UF_ASSEM_ask_parent_component(occurrence); }

tag_t UF_ASSEM_find_occurrence(tag_t part_occur, tag_t object) {
  return GuardValue("UF_ASSEM_find_occurrence", NULL_TAG, [&] {
    ComponentOccurrence& occ = NeedComponent(part_occur);
    Live(object);
    for (BodyOccurrence* body : Occurrences::Get().BodyOccurrences(occ))
      if (body->prototype == object) return body->GetTag();
    for (ComponentOccurrence* child : Occurrences::Get().Children(occ))
      if (child->part && child->part->GetTag() == object) return child->GetTag();
    return NULL_TAG;
  });
}

int UF_ASSEM_ask_occs_of_part(tag_t parent_part, tag_t part, tag_t** part_occs) {
  int count = 0;
  Guard("UF_ASSEM_ask_occs_of_part", [&] {
    Need(part_occs, "part_occs");
    *part_occs = nullptr;
    Part& parent = NeedPart(parent_part);
    Part& wanted = NeedPart(part);
    std::vector<tag_t> tags;
    if (!parent.Instances().empty())
      for (Object* o : Occurrences::Get().AllOccurrences(parent))
        if (auto* c = dynamic_cast<ComponentOccurrence*>(o); c && c->part == &wanted) tags.push_back(c->GetTag());
    *part_occs = DupArray(tags);
    count = static_cast<int>(tags.size());
  });
  return count;
}

int UF_ASSEM_cycle_objs_in_comp(tag_t component, tag_t* object) {
  return Guard("UF_ASSEM_cycle_objs_in_comp", [&] {
    Need(object, "object");
    ComponentOccurrence& occ = NeedComponent(component);
    *object = CycleNext("comp:" + std::to_string(component), *object, [&] { return ComponentSequence(occ); });
  });
}

int UF_ASSEM_ask_component_data(tag_t component, char part_name[MAX_FSPEC_BUFSIZE],
                                char refset_name[MAX_ENTITY_NAME_BUFSIZE],
                                char instance_name[UF_CFI_MAX_FILE_NAME_BUFSIZE], double origin[3],
                                double csys_matrix[9], double transform[4][4]) {
  return Guard("UF_ASSEM_ask_component_data", [&] {
    ComponentOccurrence& occ = NeedComponent(component);
    const Instance& instance = InstanceOf(occ);
    const Transform placement = Occurrences::Get().AbsoluteTransform(occ);
    if (part_name) CopyOut(part_name, MAX_FSPEC_BUFSIZE, occ.partPath);
    if (refset_name) refset_name[0] = '\0';
    if (instance_name) CopyOut(instance_name, UF_CFI_MAX_FILE_NAME_BUFSIZE, instance.instanceName);
    if (origin)
      for (int i = 0; i < 3; ++i) origin[i] = placement.translation[i];
    if (csys_matrix)  // the component's X, Y and Z axes: the rotation's columns
      for (int axis = 0; axis < 3; ++axis)
        for (int i = 0; i < 3; ++i) csys_matrix[axis * 3 + i] = placement.rotation[i * 3 + axis];
    if (transform) PutMatrix(placement, transform);
  });
}

int UF_ASSEM_ask_transform_of_occ(tag_t occurrence, double transform[4][4]) {
  return Guard("UF_ASSEM_ask_transform_of_occ", [&] {
    Need(transform, "transform");
    Object& object = Live(occurrence);
    Transform placement;
    if (auto* c = dynamic_cast<ComponentOccurrence*>(&object)) placement = Occurrences::Get().AbsoluteTransform(*c);
    else if (auto* b = dynamic_cast<BodyOccurrence*>(&object))
      placement = Occurrences::Get().AbsoluteTransform(NeedComponent(b->component));
    else throw HostError(HostStatus::WrongObjectType, TagText(occurrence) + " is not an occurrence");
    PutMatrix(placement, transform);
  });
}

tag_t UF_ASSEM_ask_work_part(void) {
  Part* work = Session::Get().Work();
  return work ? work->GetTag() : NULL_TAG;
}

tag_t UF_ASSEM_ask_work_occurrence(void) { return Session::Get().WorkOccurrence(); }

int UF_ASSEM_set_work_part(tag_t part) {
  return Guard("UF_ASSEM_set_work_part", [&] { SetWork(Live(part)); });
}

int UF_ASSEM_set_work_occurrence(tag_t occurrence) {
  return Guard("UF_ASSEM_set_work_occurrence", [&] { SetWork(NeedComponent(occurrence)); });
}

}  // extern "C"
