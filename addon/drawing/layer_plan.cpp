// Planning a layer-mode run. The plan follows the run step by step on a copy of what it
// changes (drawing numbers and layers), so that a component late in the walk sees the
// numbers spread to it by earlier ones, exactly as the run itself will.
#include "drawing/layer_plan.h"

#include <algorithm>
#include <map>

#include <uf.h>
#include <uf_assem.h>

#include "assembly/component_names.h"
#include "drawing/layer_bands.h"
#include "drawing/layer_parts.h"
#include "drawing/numbering.h"
#include "host/attribute_vocabulary.h"
#include "host/gbk_text.h"
#include "host/assembly_walks.h"
#include "host/drawing_numbers.h"
#include "host/object_attributes.h"
#include "host/uf_session.h"

namespace kzt {

namespace {

// Drawing numbers and layers as the run will have left them so far.
class PlannedModel {
public:
  std::string number(tag_t body) const {
    const auto it = numbers_.find(body);
    return it != numbers_.end() ? it->second : 得到体的属性(body, kPartNo);
  }
  int layer(tag_t object) const {
    const auto it = layers_.find(object);
    return it != layers_.end() ? it->second : display_layer(object);
  }
  void set_number(tag_t body, const std::string& number) { numbers_[body] = number; }
  void set_layer(tag_t object, int layer) { layers_[object] = layer; }
  PartLookup lookup() const {
    return {[this](tag_t b) { return number(b); }, [this](tag_t o) { return layer(o); }};
  }

private:
  std::map<tag_t, std::string> numbers_;
  std::map<tag_t, int> layers_;
};

void number_new_parts(ComponentBand& band, const std::string& prefix, const std::vector<int>& free,
                      PlannedModel& model, int& needed) {
  size_t next = 0;
  for (tag_t body : band.fresh) {
    if (model.number(body).find('-') != std::string::npos) {
      band.freshParts.push_back(0);
      band.freshNumbers.emplace_back();
      continue;
    }
    ++needed;
    if (next >= free.size()) {
      band.freshParts.push_back(0);
      band.freshNumbers.emplace_back();
      continue;
    }
    const int n = free[next++];
    const std::string number = band.assembly ? prefix + "-" + std::to_string(n)
                                             : prefix + "-" + band.parsed.number + "-" + std::to_string(n);
    band.freshParts.push_back(n);
    band.freshNumbers.push_back(number);
    model.set_number(body, number);
    model.set_layer(body, band.firstLayer + n);
  }
}

void spread_numbers(const ComponentBand& band, const LayerPlan& plan, PlannedModel& model) {
  for (size_t j = 0; j < band.fresh.size(); ++j) {
    if (band.freshNumbers[j].empty()) continue;
    const std::string name = 得到体的属性(band.fresh[j], kPartName);
    for (size_t k = 0; k < plan.drawingTags.size(); ++k)
      if (plan.drawingNames[k] == name) model.set_number(plan.drawingTags[k], band.freshNumbers[j]);
  }
}

// A part sheet is named "%d-%s%s" (layer, part name, number from its first hyphen on);
// sheet names become DWG file names, so the host refuses "/" and "\\" in them.
void check_part_sheet_names(const ComponentBand& band, const PlannedModel& model, std::vector<std::string>& problems) {
  std::vector<tag_t> drawn = band.numbered;
  for (size_t j = 0; j < band.fresh.size(); ++j)
    if (band.freshParts[j] != 0) drawn.push_back(band.fresh[j]);
  for (tag_t body : drawn) {
    const std::string name = 得到体的属性(body, kPartName);
    const std::string number = model.number(body);
    const std::string text = name + number.substr(std::min(number.find('-'), number.size()));
    if (contains_gbk(text, "/") || contains_gbk(text, "\\"))
      problems.push_back("组件 " + band.parsed.fileName + ": 零件 " + name + " 的图纸名 " + std::to_string(model.layer(body)) +
                         "-" + text + " 含有 / 或 \\, 不能作图纸名和 DWG 文件名; 请修改零件名称或图号");
  }
}

}  // namespace

LayerPlan plan_layer_drawings(DrawingState& state, const std::string& prefix) {
  const UfSession uf;
  LayerPlan plan;
  得到所有出图的数组zong_tag_ys(plan.drawingNames, plan.drawingTags);
  std::vector<tag_t> components;
  得到所有组件的数组(state.walk, UF_ASSEM_ask_work_part(), components);
  PlannedModel model;
  for (tag_t c : state.walk.tags) {
    const int layer = display_layer(c);
    if (layer < kFirstBandLayer || layer > kLastBandLayer) model.set_layer(c, kWaitingLayer);
  }
  for (tag_t c : components) {
    ComponentBand band;
    band.component = c;
    const ComponentParts parts = classify_component_parts(c, model.lookup(), band.partNames);
    band.parsed = 得到路径名称部件(c);
    const auto componentNumber = component_number(band.parsed.fileName);
    if (!componentNumber) continue;
    const long long first = band_first_layer(*componentNumber);
    band.firstLayer = static_cast<int>(std::clamp<long long>(first, -1, kHighestLayer + 1));
    band.assembly = contains_gbk(band.parsed.fileName, "装配");
    model.set_layer(c, band.firstLayer);
    std::vector<int> used{0};
    for (tag_t body : parts.numbered) {
      const int n = part_number_of(model.number(body));
      band.numbered.push_back(body);
      band.numberedParts.push_back(n);
      used.push_back(n);
      model.set_layer(body, band.firstLayer + n);
    }
    std::sort(used.begin(), used.end());
    std::vector<int> free;
    查找连续图号(used, free);
    band.fresh = parts.fresh;
    int needed = 0;
    number_new_parts(band, prefix, free, model, needed);
    band.others = parts.others;
    for (size_t j = 0; j < band.fresh.size(); ++j)
      if (band.freshParts[j] == 0) band.others.push_back(band.fresh[j]);
    for (tag_t body : band.others) model.set_layer(body, band.firstLayer);
    spread_numbers(band, plan, model);
    BandCheck check{band.parsed.fileName, *componentNumber, band.numberedParts, needed,
                    static_cast<int>(free.size())};
    for (int n : band.freshParts)
      if (n > 0) check.partNumbers.push_back(n);
    if (std::string problem = band_problem(check); !problem.empty()) plan.problems.push_back(problem);
    check_part_sheet_names(band, model, plan.problems);
    plan.bands.push_back(std::move(band));
  }
  if (plan.drawingTags.empty()) plan.problems.push_back("工作部件中没有按图制作的实体, 没有可出图的零件");
  return plan;
}

}  // namespace kzt
