// The drawing command's test fixture: products made by the component dialog, the host's
// view of their sheets, and the journal that runs component mode. Journal text is UTF-8;
// literals are GBK.
#pragma once
#include <array>
#include <string>
#include <utility>
#include <vector>

#include <uf.h>
#include <uf_assem.h>
#include <uf_draw.h>
#include <uf_obj.h>
#include <uf_part.h>
#include <uf_tabnot.h>
#include <uf_view.h>

#include "addon/host/tests/journal_fixture.h"
#include "drawing/numbering.h"
#include "drawing/sheet_names.h"
#include "host/assembly_walks.h"
#include "host/attribute_vocabulary.h"
#include "host/object_attributes.h"
#include "host/part_file_names.h"
#include "platform/files/part_file.h"
#include "platform/text/host_path.h"

namespace kzt_test {

using namespace platform;
using fabdoc_test::AddBox;

// A body made to drawing with its stock attributes, as the attribute writer leaves it.
inline void MakeToDrawing(Body& b, const std::string& name, const std::string& number = "1") {
  b.attributes.Set(kzt::kPartName, name);
  b.attributes.Set(kzt::kRemark, kzt::kMadeToDrawing);
  b.attributes.Set(kzt::kPartNo, number);
  b.attributes.Set(kzt::kStockSpec, "钢板(2.0X100X300)");
  b.attributes.Set(kzt::kMaterial, "Q235");
}

class DrawingProduction : public kzt_test::CommandTest {
protected:
  // 总装-0 holding, at x = 1000 * i, one instance of each numbered multi-body part of
  // `parents` (stem, body names); the component dialog's batch then splits them.
  void MakeProduct(const std::vector<std::pair<std::string, std::vector<std::string>>>& parents) {
    root = &session().NewPart(HostPath("总装-0.prt"));
    for (size_t p = 0; p < parents.size(); ++p) {
      Part& part = session().NewPart(HostPath(parents[p].first + ".prt"));
      for (size_t i = 0; i < parents[p].second.size(); ++i)
        MakeToDrawing(AddBox(part, 200.0 * i, 0, 0, 100, 50, 20), parents[p].second[i]);
      files::SavePart(part, part.path);
      Place(parents[p].first, 1000.0 * p);
    }
    files::SavePart(*root, root->path);
    session().SetDisplayed(root);
    Run(u8R"J(
action new_zujianV1
  set enum0 2
  set toggle0 true
  apply
  cancel
)J");
    UF_initialize();
    UF_ASSEM_set_work_part(UF_PART_ask_display_part());
    UF_terminate();
  }
  // The components of the work assembly by file stem.
  tag_t Component(const std::string& stem) {
    kzt::ComponentWalk walk;
    std::vector<tag_t> all;
    kzt::得到所有组件的数组(walk, UF_ASSEM_ask_work_part(), all);
    for (tag_t c : all)
      if (kzt::获取文件名和路径(kzt::得到新建组件的路径(c), 1) == stem) return c;
    return NULL_TAG;
  }
  // Work-part bodies with that part name.
  std::vector<tag_t> Bodies(const std::string& name) {
    std::vector<tag_t> all, named;
    kzt::得到工作部件所有的实体(all);
    for (tag_t b : all)
      if (kzt::得到体的属性(b, kzt::kPartName) == name) named.push_back(b);
    return named;
  }
  // A part file STEM.prt holding one body made to drawing (NAME, an x × y × z box at the
  // origin), placed in `root` at (offsetX, 0, 0), turned by `turn` (rows), under the
  // instance name STEM.
  Part& AddPartComponent(const std::string& stem, const std::string& name, double x, double y, double z,
                         double offsetX = 0, const std::array<double, 9>& turn = Transform::Identity().rotation) {
    Part& part = session().NewPart(HostPath(stem + ".prt"));
    MakeToDrawing(AddBox(part, 0, 0, 0, x, y, z), name);
    files::SavePart(part, part.path);
    Place(stem, offsetX, 0, turn);
    return part;
  }
  // An instance of STEM.prt, named STEM, in `into` (the root when null) at (x, y, 0),
  // turned by `turn` (rows).
  void Place(const std::string& stem, double x, double y = 0,
             const std::array<double, 9>& turn = Transform::Identity().rotation, Part* into = nullptr) {
    Transform at = Transform::Translation(x, y, 0);
    at.rotation = turn;
    fabdoc_test::AddInstance(into ? *into : *root, HostPath(stem + ".prt"), stem, at);
  }
  Part* root = nullptr;
};

// The texts of the tabular notes of a sheet, cell by cell, after opening it.
inline std::vector<std::string> CellTexts(const std::string& sheetName) {
  std::vector<std::string> texts;
  UF_initialize();
  int count = 0;
  tag_t* sheets = nullptr;
  UF_DRAW_ask_drawings(&count, &sheets);
  for (int i = 0; i < count; ++i) {
    char name[UF_OBJ_NAME_BUFSIZE] = "";
    UF_OBJ_ask_name(sheets[i], name);
    if (sheetName == name) UF_DRAW_open_drawing(sheets[i]);
  }
  if (sheets) UF_free(sheets);
  tag_t object = NULL_TAG;
  while (UF_VIEW_cycle_objects(NULL_TAG, UF_VIEW_VISIBLE_OBJECTS, &object) == 0 && object != NULL_TAG) {
    int type = 0, subtype = 0;
    UF_OBJ_ask_type_and_subtype(object, &type, &subtype);
    if (type != UF_tabular_note_type || subtype != UF_tabular_note_section_subtype) continue;
    tag_t note = NULL_TAG;
    UF_TABNOT_ask_tabular_note_of_section(object, &note);
    int rows = 0, columns = 0;
    UF_TABNOT_ask_nm_rows(note, &rows);
    UF_TABNOT_ask_nm_columns(note, &columns);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < columns; ++c) {
        tag_t row = NULL_TAG, column = NULL_TAG, cell = NULL_TAG;
        UF_TABNOT_ask_nth_row(note, r, &row);
        UF_TABNOT_ask_nth_column(note, c, &column);
        UF_TABNOT_ask_cell_at_row_col(row, column, &cell);
        char* text = nullptr;
        UF_TABNOT_ask_cell_text(cell, &text);
        texts.push_back(text ? text : "");
        if (text) UF_free(text);
      }
  }
  UF_terminate();
  return texts;
}

inline bool Has(const std::vector<std::string>& texts, const std::string& text) {
  for (const auto& t : texts)
    if (t == text) return true;
  return false;
}

inline constexpr const char8_t* kComponentModeRun = u8R"J(
action drawing
  set tuhao "XJ-01"
  set ming "产品"
  apply
  expect message "组件模式"
  cancel
)J";

}  // namespace kzt_test
