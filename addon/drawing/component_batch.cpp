// The component-mode batch. Sheets already there are kept and not made again, so a
// second run adds only what is missing. An exception from the host's builders ends the
// run with the sheets made so far kept, the work layer restored and the bar removed.
#include "drawing/component_batch.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <uf.h>
#include <uf_assem.h>
#include <uf_draw.h>
#include <uf_layer.h>
#include <uf_part.h>

#include "drawing/batch_sheets.h"
#include "drawing/numbering.h"
#include "drawing/part_file_name.h"
#include "drawing/quantity_count.h"
#include "drawing/sheet_names.h"
#include "drawing/sheet_scale.h"
#include "drawing/sheet_views.h"
#include "host/attribute_vocabulary.h"
#include "host/gbk_text.h"
#include "host/message.h"
#include "host/assembly_walks.h"
#include "host/object_attributes.h"
#include "host/progress_bar.h"
#include "host/batch_guard.h"

namespace kzt {

namespace {

inline constexpr const char* kGeneralArrangementSheet = "000-0-总图";

std::string decimal(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return text;
}

double usable(double scale) { return scale > 0 ? scale : 1.0; }

bool skip_subassembly(const ParsedName& parsed) {
  const std::string& f = parsed.fileName;
  const auto hyphen = f.rfind('-');
  return contains_gbk(f, "装配") || contains_gbk(f, "数模") || hyphen == std::string::npos ||
         !is_all_digits(f.substr(hyphen + 1));
}

void draw_subassembly(DrawingState& state, tag_t component, int position, long progress) {
  const ParsedName parsed = 得到路径名称部件(component);
  if (skip_subassembly(parsed) || 判断图纸是否存在(parsed.sheetName)) return;
  // A component part without bodies would give views that show nothing, and the error
  // would stop every sheet after it: its sheet is left out and the run goes on. A part
  // that is not loaded is not known to be empty: its views name it in the error box.
  std::vector<tag_t> bodies;
  得到组件下所有的实体(component, bodies, ComponentBodies::Deep);
  if (bodies.empty() && UF_PART_is_loaded(parsed.path.c_str()) != 0) {
    show_message("组件 " + parsed.fileName + " 中没有实体, 未创建图纸 " + parsed.sheetName);
    return;
  }
  double scale = 0;
  A3部件比例设置(state, component, scale, SheetAxes::Component);
  const auto& names = state.walk.instanceNames;
  const int occurrences = static_cast<int>(std::count(names.begin(), names.end(), parsed.fileName));
  progress_set_pos(progress, position);
  创建图纸页(state,
             {parsed.name, "-" + parsed.number, parsed.sheetName, "1", decimal(occurrences), "", usable(scale),
              kSubAssemblyA3.templatePath},
             parsed.path, parsed.fileName);
  rename_current_sheet(parsed.sheetName);
  tag_t sheet = NULL_TAG;
  UF_DRAW_ask_current_drawing(&sheet);
  UF_DRAW_upd_out_of_date_views(sheet);
}

void draw_part(DrawingState& state, QuantityCount& quantities, tag_t component, int position, long progress) {
  const ParsedName parsed = 得到路径名称零件(component);
  if (判断图纸是否存在(parsed.sheetName) || contains_gbk(parsed.fileName, "数模") ||
      parsed.fileName.find('-') == std::string::npos)
    return;
  std::vector<tag_t> bodies;
  得到组件下所有的实体(component, bodies, ComponentBodies::Deep);
  if (bodies.empty()) return;
  const tag_t first = bodies.front();
  const std::string material = 得到体的属性(first, kMaterial);
  const std::string stock = 得到体的属性(first, kStockSpec);
  OccurrenceFlags flags;
  tag_t prototype = first;
  得到装配下的boy(flags, first, prototype);
  double scale = 0;
  // The sheet shows the part as it lies in its own file: a turned component is measured
  // on its part's body, not on the turned occurrence.
  A4比例设置(state, turned_in_assembly(component) ? prototype : first, scale);
  int quantity = 0, total = 0;
  quantities.Of(prototype, UF_ASSEM_ask_parent_component(component), quantity, total);
  progress_set_pos(progress, position);
  创建图纸页(state,
             {parsed.name, "-" + parsed.number, parsed.sheetName, decimal(quantity), decimal(total),
              stock + "-" + material, usable(scale), kPartA4.templatePath},
             parsed.path, parsed.fileName);
  rename_current_sheet(parsed.sheetName);
}

void draw_general_arrangement(DrawingState& state) {
  std::string fileName, fullPath;
  得到当前文件名称和路径(fileName, fullPath);
  double scale = 0;
  A3总图比例设置(state, UF_ASSEM_ask_work_part(), scale);
  if (判断图纸是否存在(kGeneralArrangementSheet)) return;
  创建图纸页(state,
             {"", "-ooo", kGeneralArrangementSheet, "1", "1", "", usable(scale), kGeneralArrangementA3.templatePath},
             fullPath, fileName);
  rename_current_sheet(kGeneralArrangementSheet);
}

// The work layer of the user, given back however the run ends.
class WorkLayerKept {
public:
  WorkLayerKept() { UF_LAYER_ask_work_layer(&saved_); }
  ~WorkLayerKept() { UF_LAYER_set_status(saved_, UF_LAYER_WORK_LAYER); }
  WorkLayerKept(const WorkLayerKept&) = delete;
  WorkLayerKept& operator=(const WorkLayerKept&) = delete;

private:
  int saved_ = 1;
};

}  // namespace

void 批量创建图纸及视图_assm(DrawingState& state) {
  const BatchGuard batch(BatchGuard::RestoreWorkPart::OnFailure);
  progress_show(batch.progress());
  const WorkLayerKept layer;
  UF_LAYER_set_status(kReservedLayer, UF_LAYER_WORK_LAYER);
  std::vector<tag_t> subassemblies, parts;
  得到组件及零件的tag(state, subassemblies, parts);
  const int steps = static_cast<int>(subassemblies.size() + parts.size()) + 1;
  progress_set_range(batch.progress(), 0, steps);
  for (size_t i = 0; i < subassemblies.size(); ++i)
    draw_subassembly(state, subassemblies[i], static_cast<int>(i), batch.progress());
  QuantityCount quantities;  // one count for the whole run
  for (size_t k = 0; k < parts.size(); ++k)
    draw_part(state, quantities, parts[k], static_cast<int>(subassemblies.size() + k + 1), batch.progress());
  draw_general_arrangement(state);
  update_all_sheets();
}

}  // namespace kzt
