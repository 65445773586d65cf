// Extents from the host's boxes, then the scale rule.
#include "drawing/sheet_scale.h"

#include <cmath>
#include <vector>

#include <uf.h>
#include <uf_assem.h>
#include <uf_csys.h>
#include <uf_modl.h>
#include <uf_obj.h>
#include <uf_object_types.h>

#include "host/uf_session.h"

namespace kzt {

namespace {

void apply_rule(DrawingState& state, const SheetFormat& format, const Extents& extents, double& scale) {
  const ScaleFit fit = fit_scale(format, extents);
  state.view_extents = extents;
  state.sheet_gap_x = fit.gapX;
  state.sheet_gap_y = fit.gapY;
  scale = fit.scale;
}

Extents box_extents(const std::vector<tag_t>& bodies) {
  ExtentsAccumulator acc;
  for (tag_t body : bodies) {
    double box[6];
    if (UF_MODL_ask_bounding_box(body, box) == 0) acc.Widen(box);
  }
  return acc.Result();
}

bool IsUnturned(const double matrix[9]) {
  for (int i = 0; i < 9; ++i)
    if (std::abs(matrix[i] - (i % 4 == 0 ? 1.0 : 0.0)) > 1e-12) return false;
  return true;
}

struct ComponentPlacement {
  double origin[3] = {0, 0, 0};
  double axes[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
};

bool ask_placement(tag_t component, ComponentPlacement& placement) {
  char part[MAX_FSPEC_BUFSIZE], refset[MAX_ENTITY_NAME_BUFSIZE], instance[UF_CFI_MAX_FILE_NAME_BUFSIZE];
  double transform[4][4];
  return UF_ASSEM_ask_component_data(component, part, refset, instance, placement.origin, placement.axes,
                                     transform) == 0;
}

// The extents along the component's own axes; an unturned one keeps the host's boxes.
Extents component_extents(tag_t component, const std::vector<tag_t>& bodies) {
  ComponentPlacement placement;
  if (!ask_placement(component, placement) || IsUnturned(placement.axes)) return box_extents(bodies);
  const double* origin = placement.origin;
  tag_t matrix = NULL_TAG, csys = NULL_TAG;
  if (UF_CSYS_create_matrix(placement.axes, &matrix) != 0 || UF_CSYS_create_temp_csys(origin, matrix, &csys) != 0)
    return box_extents(bodies);
  ExtentsAccumulator acc;
  for (tag_t body : bodies) {
    double corner[3], directions[3][3], distances[3];
    if (UF_MODL_ask_bounding_box_exact(body, csys, corner, directions, distances) != 0) continue;
    double box[6];
    for (int axis = 0; axis < 3; ++axis) {
      box[axis] = 0;
      for (int k = 0; k < 3; ++k) box[axis] += (corner[k] - origin[k]) * directions[axis][k];
      box[axis + 3] = box[axis] + distances[axis];
    }
    acc.Widen(box);
  }
  return acc.Result();
}

bool IsInPlace(const ComponentPlacement& placement) {
  constexpr double kSame = 1e-9;  // a placement composed with its own inverse
  for (int i = 0; i < 9; ++i)
    if (std::abs(placement.axes[i] - (i % 4 == 0 ? 1.0 : 0.0)) > kSame) return false;
  return std::abs(placement.origin[0]) <= kSame && std::abs(placement.origin[1]) <= kSame &&
         std::abs(placement.origin[2]) <= kSame;
}

// The direct sub-components of a component.
std::vector<tag_t> sub_components(tag_t component) {
  std::vector<tag_t> subs;
  tag_t object = NULL_TAG;
  while (UF_ASSEM_cycle_objs_in_comp(component, &object) == 0 && object != NULL_TAG) {
    int type = 0, subtype = 0;
    UF_OBJ_ask_type_and_subtype(object, &type, &subtype);
    if (type == UF_component_type && subtype == UF_part_occurrence_subtype &&
        UF_ASSEM_ask_parent_component(object) == component)
      subs.push_back(object);
  }
  return subs;
}

// The bodies of every level below `component`, each as the sub-assembly's views show it.
// 得到组件下所有的实体 gives the deeper levels' prototype bodies, in their own parts'
// coordinates: right only for parts modelled in place, as the batch split makes them,
// which keep those bodies (and so their figures, to the bit). Any other sub-part's
// bodies are taken as its occurrence places them.
void append_placed_deeper(tag_t component, std::vector<tag_t>& bodies) {
  for (tag_t sub : sub_components(component)) {
    std::vector<tag_t> own;
    得到组件下所有的实体(sub, own, ComponentBodies::Direct);
    ComponentPlacement placement;
    const bool inPlace = ask_placement(sub, placement) && IsInPlace(placement);
    for (tag_t body : own) bodies.push_back(inPlace ? UF_ASSEM_ask_prototype_of_occ(body) : body);
    append_placed_deeper(sub, bodies);
  }
}

}  // namespace

bool turned_in_assembly(tag_t component) {
  ComponentPlacement placement;
  return ask_placement(component, placement) && !IsUnturned(placement.axes);
}

int A3总图比例设置(DrawingState& state, tag_t, double& scale) {
  const UfSession uf;
  std::vector<tag_t> bodies;
  得到工作部件所有的实体(bodies);
  apply_rule(state, kGeneralArrangementA3, box_extents(bodies), scale);
  return 0;
}

int A3部件比例设置(DrawingState& state, tag_t component, double& scale, SheetAxes axes) {
  const UfSession uf;
  std::vector<tag_t> bodies;
  得到组件下所有的实体(component, bodies, ComponentBodies::Direct);
  append_placed_deeper(component, bodies);
  apply_rule(state, kSubAssemblyA3,
             axes == SheetAxes::Component ? component_extents(component, bodies) : box_extents(bodies), scale);
  return 0;
}

int A4比例设置(DrawingState& state, tag_t body, double& scale) {
  const UfSession uf;
  double minCorner[3] = {0, 0, 0}, directions[3][3], distances[3] = {0, 0, 0};
  UF_MODL_ask_bounding_box_exact(body, NULL_TAG, minCorner, directions, distances);
  apply_rule(state, kPartA4, {distances[0], distances[1], distances[2]}, scale);
  return 0;
}

}  // namespace kzt
