// Extents from the host's boxes, then the scale rule.
#include "drawing/sheet_scale.h"

#include <vector>

#include <uf.h>
#include <uf_modl.h>

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

}  // namespace

int A3总图比例设置(DrawingState& state, tag_t, double& scale) {
  const UfSession uf;
  std::vector<tag_t> bodies;
  得到工作部件所有的实体(bodies);
  apply_rule(state, kGeneralArrangementA3, box_extents(bodies), scale);
  return 0;
}

int A3部件比例设置(DrawingState& state, tag_t component, double& scale) {
  const UfSession uf;
  std::vector<tag_t> bodies;
  得到组件下所有的实体(component, bodies, ComponentBodies::Deep);
  apply_rule(state, kSubAssemblyA3, box_extents(bodies), scale);
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
