// Reads each drawn body's stock, material and part name, and writes the stock and
// material of the sheet's part into its title block.
#include "drawing/title_block_spec.h"

#include <algorithm>

#include <uf.h>
#include <uf_modl.h>
#include <uf_obj.h>
#include <uf_object_types.h>
#include <uf_assem.h>
#include <uf_tabnot.h>

#include "drawing/work_view_cells.h"
#include "host/attribute_vocabulary.h"
#include "host/drawing_mode.h"
#include "host/object_attributes.h"
#include "host/uf_session.h"

namespace kzt {

std::string sheet_part_key(int mode, const std::string& sheetName) {
  if (mode == 1) return sheetName.substr(sheetName.rfind('-') + 1);
  const std::size_t first = sheetName.find('-');
  if (first == std::string::npos) return {};
  const std::size_t next = sheetName.find('-', first + 1);
  return sheetName.substr(first + 1, next == std::string::npos ? std::string::npos : next - first - 1);
}

}  // namespace kzt

namespace {

std::string cell_text(tag_t cell) {
  char* text = nullptr;
  UF_TABNOT_ask_cell_text(cell, &text);
  std::string result = text ? text : "";
  if (text) UF_free(text);
  return result;
}

}  // namespace

std::vector<std::string> list_drawn_part_specs() {
  const kzt::UfSession uf;
  std::vector<std::string> specs;
  const tag_t work = UF_ASSEM_ask_work_part();
  for (tag_t body = UF_OBJ_cycle_objs_in_part(work, UF_solid_type, NULL_TAG); body != NULL_TAG;
       body = UF_OBJ_cycle_objs_in_part(work, UF_solid_type, body)) {
    int type = 0, subtype = 0, bodyType = 0;
    UF_OBJ_ask_type_and_subtype(body, &type, &subtype);
    if (subtype != 0) continue;
    UF_MODL_ask_body_type(body, &bodyType);
    if (bodyType != UF_MODL_SOLID_BODY) continue;
    if (kzt::得到体的属性(body, kzt::kRemark) != kzt::kMadeToDrawing) continue;
    const std::string entry = kzt::得到体的属性(body, kzt::kStockSpec) + "-" + kzt::得到体的属性(body, kzt::kMaterial) + "-" +
                              kzt::得到体的属性(body, kzt::kPartName);
    if (std::find(specs.begin(), specs.end(), entry) == specs.end()) specs.push_back(entry);
  }
  return specs;
}

tag_t find_spec_cell() {
  tag_t found = NULL_TAG;
  kzt::for_each_work_view_cell([&](tag_t cell, const std::string& text) {
    if (text.find('(') != std::string::npos) found = cell;
  });
  return found;
}

void update_title_block_spec(tag_t sheet) {
  const kzt::UfSession uf;
  const int mode = kzt::ask_drawing_mode();
  char name[UF_OBJ_NAME_BUFSIZE] = "";
  UF_OBJ_ask_name(sheet, name);
  const std::string key = kzt::sheet_part_key(mode, name);
  const tag_t cell = find_spec_cell();
  if (cell == NULL_TAG) return;
  for (const std::string& entry : list_drawn_part_specs()) {
    const std::size_t split = entry.rfind('-');
    if (entry.substr(split + 1) != key) continue;
    const std::string text = entry.substr(0, split);
    if (cell_text(cell) != text) UF_TABNOT_set_cell_text(cell, text.c_str());
  }
}
