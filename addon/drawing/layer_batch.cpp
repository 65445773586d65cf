// The layer-mode batch. Overview:
//  1. plan the run on the model as it is; stop with one message if any band fails;
//  2. components outside the bands wait on layer 90;
//  3. per component: exact display, the component onto its band, numbered parts onto
//     their layers, new parts numbered and moved, its other made-to-drawing bodies
//     onto the component's layer, the new numbers spread to every body of the same
//     name, then its sheet and one sheet per drawing part;
//  4. the general-arrangement sheet, then every sheet brought up to date.
// Sheets already there are kept and not renamed, so a second run adds only what is
// missing. An exception from the host's builders ends the run in the error box.
#include "drawing/layer_batch.h"

#include <algorithm>
#include <vector>

#include <uf.h>
#include <uf_assem.h>
#include <uf_layer.h>
#include <uf_obj.h>

#include "drawing/batch_sheets.h"
#include "drawing/layer_bands.h"
#include "drawing/layer_plan.h"
#include "drawing/scale_rule.h"
#include "drawing/sheet_names.h"
#include "drawing/sheet_scale.h"
#include "drawing/sheet_views.h"
#include "host/attribute_vocabulary.h"
#include "host/batch_guard.h"
#include "host/message.h"
#include "host/object_attributes.h"
#include "host/progress_bar.h"

namespace kzt {

namespace {

inline constexpr const char* kGeneralArrangementSheet = "0-总图-000";

int count_of(const std::vector<std::string>& names, const std::string& name) {
  return static_cast<int>(std::count(names.begin(), names.end(), name));
}

// A sheet made by 创建工程图 and named; one of that name already there is kept as it is.
void make_named_sheet(DrawingState& state, const SheetRequest& request, tag_t layerSelector) {
  const bool existed = 判断图纸是否存在(request.sheetName);
  创建工程图(state, request, layerSelector);
  if (!existed) rename_current_sheet(request.sheetName);
}

void lay_out_band(const ComponentBand& band, const LayerPlan& plan) {
  if (display_layer(band.component) != band.firstLayer) UF_OBJ_set_layer(band.component, band.firstLayer);
  for (size_t i = 0; i < band.numbered.size(); ++i)
    UF_OBJ_set_layer(band.numbered[i], band.firstLayer + band.numberedParts[i]);
  for (size_t j = 0; j < band.fresh.size(); ++j) {
    if (band.freshParts[j] == 0) continue;
    assign_string_attribute(band.fresh[j], kPartNo, band.freshNumbers[j]);
    UF_OBJ_set_layer(band.fresh[j], band.firstLayer + band.freshParts[j]);
  }
  for (tag_t body : band.others)
    if (display_layer(body) != band.firstLayer) UF_OBJ_set_layer(body, band.firstLayer);
  for (size_t j = 0; j < band.fresh.size(); ++j) {
    if (band.freshParts[j] == 0) continue;
    const std::string name = 得到体的属性(band.fresh[j], kPartName);
    for (size_t k = 0; k < plan.drawingTags.size(); ++k) {
      if (plan.drawingNames[k] != name) continue;
      OccurrenceFlags flags;
      所有实体写属性(flags, plan.drawingTags[k], band.freshNumbers[j], kPartNo);
    }
  }
}

void draw_component(DrawingState& state, const ComponentBand& band, const std::vector<std::string>& instanceNames,
                    long progress) {
  if (band.assembly || (band.numbered.empty() && band.fresh.empty())) return;
  const int layer = display_layer(band.component);
  const std::string sheetName = std::to_string(layer) + "-" + band.parsed.name + "-" + band.parsed.number;
  double scale = 0;
  A3部件比例设置(state, band.component, scale);
  make_named_sheet(state,
                   {band.parsed.name, "-" + band.parsed.number, sheetName, "1",
                    std::to_string(count_of(instanceNames, band.parsed.fileName)), "", scale,
                    kSubAssemblyA3.templatePath},
                   band.component);
  progress_set_pos(progress, 1);
  UF_LAYER_set_status(layer, UF_LAYER_ACTIVE_LAYER);
}

void draw_part(DrawingState& state, tag_t body, const ComponentBand& band, const LayerPlan& plan) {
  const std::string name = 得到体的属性(body, kPartName);
  const std::string number = 得到体的属性(body, kPartNo);
  const auto hyphen = number.find('-');
  const std::string suffix = hyphen == std::string::npos ? "" : number.substr(hyphen);
  const int layer = display_layer(body);
  const std::string sheetName = std::to_string(layer) + "-" + name + suffix;
  double scale = 0;
  A4比例设置(state, body, scale);
  make_named_sheet(state,
                   {name, suffix, sheetName, std::to_string(count_of(band.partNames, name)),
                    std::to_string(count_of(plan.drawingNames, name)),
                    得到体的属性(body, kStockSpec) + "-" + 得到体的属性(body, kMaterial), scale,
                    kPartA4.templatePath},
                   body);
  UF_LAYER_set_status(layer, UF_LAYER_ACTIVE_LAYER);
}

std::string problems_text(const std::vector<std::string>& problems) {
  std::string text = "图层出图未进行, 图层、图号和图纸都未改动:";
  for (const auto& p : problems) text += "\n" + p;
  return text;
}

}  // namespace

int 图层出图(DrawingState& state, const std::string& prefix) {
  const BatchGuard batch(BatchGuard::RestoreWorkPart::OnFailure);
  const LayerPlan plan = plan_layer_drawings(state, prefix);
  if (!plan.problems.empty()) {
    show_message(problems_text(plan.problems));
    return 0;
  }
  progress_show(batch.progress());
  for (tag_t c : state.walk.tags) {
    const int layer = display_layer(c);
    if (layer >= kFirstBandLayer && layer <= kLastBandLayer) continue;
    UF_OBJ_set_layer(c, kWaitingLayer);
    UF_LAYER_set_status(kWaitingLayer, UF_LAYER_ACTIVE_LAYER);
  }
  UF_LAYER_set_status(kReservedLayer, UF_LAYER_ACTIVE_LAYER);
  for (const ComponentBand& band : plan.bands) {
    设置组件精确显示(band.component);
    lay_out_band(band, plan);
    const int steps = static_cast<int>(band.fresh.size() + band.numbered.size()) + 2;
    progress_set_range(batch.progress(), 0, steps);
    draw_component(state, band, state.walk.instanceNames, batch.progress());
    for (size_t j = 0; j < band.fresh.size(); ++j) {
      draw_part(state, band.fresh[j], band, plan);
      progress_set_pos(batch.progress(), static_cast<int>(j) + 2);
    }
    for (size_t i = 0; i < band.numbered.size(); ++i) {
      draw_part(state, band.numbered[i], band, plan);
      progress_set_pos(batch.progress(), static_cast<int>(band.fresh.size() + i) + 3);
    }
  }
  double scale = 0;
  A3总图比例设置(state, UF_ASSEM_ask_work_part(), scale);
  make_named_sheet(state, {"", "OOO", kGeneralArrangementSheet, "", "", "", scale, kGeneralArrangementA3.templatePath},
                   NULL_TAG);
  update_all_sheets();
  return 0;
}

}  // namespace kzt
