// Drawing production on assemblies made by the component dialog: numbering and
// quantities (host calls only), and the whole component-mode run through the `drawing`
// dialog, read back through the host's C interface. Journal text is UTF-8; literals GBK.
#include <string>
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
#include "host/attribute_vocabulary.h"
#include "platform/text/host_path.h"
#include "platform/files/part_file.h"

using namespace platform;
using fabdoc_test::AddBox;

namespace {

// A body made to drawing with its stock attributes, as the attribute writer leaves it.
void MakeToDrawing(Body& b, const std::string& name, const std::string& number = "1") {
  b.attributes.Set(kzt::kPartName, name);
  b.attributes.Set(kzt::kRemark, kzt::kMadeToDrawing);
  b.attributes.Set(kzt::kPartNo, number);
  b.attributes.Set(kzt::kStockSpec, "钢板(2.0X100X300)");
  b.attributes.Set(kzt::kMaterial, "Q235");
}

}  // namespace

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
      Instance inst;
      inst.partPath = part.path;
      inst.instanceName = parents[p].first;
      inst.name = parents[p].first;
      inst.transform = Transform::Translation(1000.0 * p, 0, 0);
      root->AddInstance(inst);
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
  std::string HostPath(const std::string& gbkName) { return ToHostPath(folder) + "\\" + gbkName; }
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
  Part* root = nullptr;
};

TEST_F(DrawingProduction, ModeFollowsTheNumberOfSingleBodyComponents) {
  MakeProduct({{"FRAME-3", {"BASE", "PLATE"}}});
  kzt::DrawingState state;
  std::vector<tag_t> subassemblies, parts;
  kzt::得到组件及零件的tag(state, subassemblies, parts);
  ASSERT_EQ(parts.size(), 2u) << "BASE-3-1 and PLATE-3-2";
  ASSERT_EQ(subassemblies.size(), 1u) << "FRAME-3 holds two bodies below it";
  EXPECT_EQ(kzt::判断模式(state), 1);
}

TEST_F(DrawingProduction, OneSingleBodyComponentMeansLayerMode) {
  MakeProduct({{"FRAME-3", {"BASE"}}});
  kzt::DrawingState state;
  EXPECT_EQ(kzt::判断模式(state), 2);
}

TEST_F(DrawingProduction, ComponentModeNumbersPartsAndSubAssembliesFromFileNames) {
  MakeProduct({{"FRAME-3", {"BASE", "PLATE"}}});
  kzt::DrawingState state;
  kzt::批量修改零件图号(state, "XJ-01", "产品");
  UF_initialize();
  const tag_t work = UF_ASSEM_ask_work_part();
  EXPECT_EQ(kzt::得到体的属性(work, kzt::kPartNo), "XJ-01");
  EXPECT_EQ(kzt::得到体的属性(work, kzt::kPartName), "产品");
  const tag_t frame = Component("FRAME-3");
  ASSERT_NE(frame, NULL_TAG);
  EXPECT_EQ(kzt::得到体的属性(frame, kzt::kPartNo), "XJ-01-3");
  EXPECT_EQ(kzt::得到体的属性(frame, kzt::kPartName), "FRAME");
  const tag_t base = Component("BASE-3-1");
  ASSERT_NE(base, NULL_TAG);
  EXPECT_EQ(kzt::得到体的属性(base, kzt::kPartNo), "XJ-01-3-1");
  const auto bases = Bodies("BASE");
  ASSERT_FALSE(bases.empty());
  for (tag_t b : bases) EXPECT_EQ(kzt::得到体的属性(b, kzt::kPartNo), "XJ-01-3-1");
  for (tag_t b : Bodies("PLATE")) EXPECT_EQ(kzt::得到体的属性(b, kzt::kPartNo), "XJ-01-3-2");
  UF_terminate();
}

TEST_F(DrawingProduction, QuantityCountsUnderTheParentAndTotalCountsCoincidentCopiesOnce) {
  MakeProduct({{"FRAME-3", {"BASE", "PLATE"}}, {"RACK-4", {"BASE"}}});
  UF_initialize();
  const auto bases = Bodies("BASE");
  ASSERT_EQ(bases.size(), 2u) << "one BASE in each parent, at different places";
  EXPECT_EQ(kzt::找重叠体(bases), 2);
  EXPECT_EQ(kzt::找重叠体({bases[0], bases[0]}), 1) << "the same box twice counts once";
  int quantity = 0, total = 0;
  const tag_t frame = Component("FRAME-3");
  tag_t prototype = NULL_TAG;
  kzt::OccurrenceFlags flags;
  kzt::得到装配下的boy(flags, bases[0], prototype);
  kzt::得到数量及总数(prototype, frame, quantity, total);
  EXPECT_EQ(quantity, 1) << "one BASE under FRAME-3";
  EXPECT_EQ(total, 2) << "two BASE bodies in the product, not coincident";
  UF_terminate();
}

TEST_F(DrawingProduction, LayerModeReplacesPrefixesOfNumberedDrawingParts) {
  root = &session().NewPart(HostPath("单件-0.prt"));
  MakeToDrawing(AddBox(*root, 0, 0, 0, 10, 10, 10), "A", "OLD-4-2");
  MakeToDrawing(AddBox(*root, 50, 0, 0, 10, 10, 10), "B", "12");
  Body& bought = AddBox(*root, 100, 0, 0, 10, 10, 10);
  MakeToDrawing(bought, "C", "OLD-5");
  bought.attributes.Set(kzt::kRemark, kzt::kBoughtOut);
  session().SetDisplayed(root);
  UF_initialize();
  UF_ASSEM_set_work_part(UF_PART_ask_display_part());
  kzt::DrawingState state;
  kzt::批量修改零件图号_图层出图(state, "XJ-01", "产品");
  EXPECT_EQ(kzt::得到体的属性(Bodies("A").at(0), kzt::kPartNo), "XJ-01-4-2");
  EXPECT_EQ(kzt::得到体的属性(Bodies("B").at(0), kzt::kPartNo), "12") << "unnumbered: left for layer mode";
  EXPECT_EQ(kzt::得到体的属性(Bodies("C").at(0), kzt::kPartNo), "OLD-5") << "bought-out parts keep theirs";
  EXPECT_EQ(kzt::得到体的属性(UF_ASSEM_ask_work_part(), kzt::kPartNo), "XJ-01");
  UF_terminate();
}

TEST_F(DrawingProduction, BackupAndRenameJobsSayTheyAreNotAvailable) {
  MakeProduct({{"FRAME-3", {"BASE", "PLATE"}}});
  Run(u8R"J(
action drawing
  set enum0 1
  apply
  expect message "图纸备份: 此功能尚未提供"
  set enum0 2
  apply
  expect message "重命名组件: 此功能尚未提供"
  cancel
)J");
  EXPECT_TRUE(kzt::sheet_names().empty());
}

namespace {

// The texts of the tabular notes of a sheet, cell by cell, after opening it.
std::vector<std::string> CellTexts(const std::string& sheetName) {
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

bool Has(const std::vector<std::string>& texts, const std::string& text) {
  for (const auto& t : texts)
    if (t == text) return true;
  return false;
}

constexpr const char8_t* kComponentModeRun = u8R"J(
action drawing
  set tuhao "XJ-01"
  set ming "产品"
  apply
  expect message "组件模式"
  cancel
)J";

}  // namespace

TEST_F(DrawingProduction, ComponentModeMakesOneSheetPerPartSubAssemblyAndTheWhole) {
  MakeProduct({{"FRAME-3", {"BASE", "PLATE"}}});
  Run(kComponentModeRun);
  EXPECT_EQ(kzt::sheet_names(), (std::vector<std::string>{"3-0组件-FRAME", "3-1-BASE", "3-2-PLATE", "000-0-总图"}));
  const auto base = CellTexts("3-1-BASE");
  EXPECT_TRUE(Has(base, "钢板(2.0X100X300)-Q235")) << "material cell: suling-MATERIALS";
  EXPECT_TRUE(Has(base, "-3-1"));
  EXPECT_TRUE(Has(base, "BASE"));
  const auto whole = CellTexts("000-0-总图");
  EXPECT_TRUE(Has(whole, "-ooo"));
  // A second run adds nothing.
  Run(kComponentModeRun);
  EXPECT_EQ(kzt::sheet_names().size(), 4u);
}

TEST_F(DrawingProduction, TopLevelPartsGetSheetsInComponentOrderAndModelsNone) {
  // Single-body parts straight under the product, as P-BASE-1 and P-PLATE-2, and a
  // model part (数模) that never gets a sheet.
  root = &session().NewPart(HostPath("P-0.prt"));
  const char* stems[] = {"P-BASE-1", "P-PLATE-2", "P-数模-3"};
  const char* names[] = {"BASE", "PLATE", "数模"};
  for (int i = 0; i < 3; ++i) {
    Part& part = session().NewPart(HostPath(std::string(stems[i]) + ".prt"));
    MakeToDrawing(AddBox(part, 0, 0, 0, 100, 50, 20), names[i]);
    files::SavePart(part, part.path);
    Instance inst;
    inst.partPath = part.path;
    inst.instanceName = stems[i];
    inst.name = stems[i];
    inst.transform = Transform::Translation(300.0 * i, 0, 0);
    root->AddInstance(inst);
  }
  files::SavePart(*root, root->path);
  session().SetDisplayed(root);
  Run(kComponentModeRun);
  EXPECT_EQ(kzt::sheet_names(), (std::vector<std::string>{"000-1-BASE", "000-2-PLATE", "000-0-总图"}));
  // The 100 x 50 x 20 part on A4: front view at (70, 211), isometric at 0.245.
  UF_initialize();
  int count = 0;
  tag_t* sheets = nullptr;
  UF_DRAW_ask_drawings(&count, &sheets);
  ASSERT_GE(count, 1);
  int viewCount = 0;
  tag_t* views = nullptr;
  UF_DRAW_ask_views(sheets[0], &viewCount, &views);
  ASSERT_EQ(viewCount, 4);
  const double expected[4][2] = {{70, 211}, {70, 153.25}, {160.417, 211}, {160.417, 153.25}};
  for (int i = 0; i < 4; ++i) {
    double at[2] = {0, 0};
    UF_DRAW_ask_drawing_ref_pt(views[i], at);
    EXPECT_NEAR(at[0], expected[i][0], 5e-3) << "view " << i;
    EXPECT_NEAR(at[1], expected[i][1], 5e-3) << "view " << i;
  }
  tag_t expression = NULL_TAG;
  double isoScale = 0;
  UF_DRAW_ask_view_scale(views[3], &expression, &isoScale);
  EXPECT_NEAR(isoScale, 0.245, 5e-6);
  UF_free(views);
  UF_free(sheets);
  UF_terminate();
}

TEST_F(DrawingProduction, SubAssemblyTotalCountsItsOccurrences) {
  // FRAME-3 placed four times: one sheet, quantity 1, total 4.
  root = &session().NewPart(HostPath("P-0.prt"));
  Part& frame = session().NewPart(HostPath("P-FRAME-3.prt"));
  MakeToDrawing(AddBox(frame, 0, 0, 0, 100, 50, 20), "BASE");
  MakeToDrawing(AddBox(frame, 200, 0, 0, 100, 50, 20), "PLATE");
  files::SavePart(frame, frame.path);
  for (int i = 0; i < 4; ++i) {
    Instance inst;
    inst.partPath = frame.path;
    inst.instanceName = "P-FRAME-3";
    inst.name = "P-FRAME-3";
    inst.transform = Transform::Translation(0, 500.0 * i, 0);
    root->AddInstance(inst);
  }
  for (const char* stem : {"P-BASE-1", "P-PLATE-2"}) {
    Part& part = session().NewPart(HostPath(std::string(stem) + ".prt"));
    MakeToDrawing(AddBox(part, 0, 0, 0, 10, 10, 10), stem);
    files::SavePart(part, part.path);
    Instance inst;
    inst.partPath = part.path;
    inst.instanceName = stem;
    inst.name = stem;
    root->AddInstance(inst);
  }
  files::SavePart(*root, root->path);
  session().SetDisplayed(root);
  Run(kComponentModeRun);
  const auto names = kzt::sheet_names();
  EXPECT_EQ(std::count(names.begin(), names.end(), "3-0组件-FRAME"), 1);
  const auto cells = CellTexts("3-0组件-FRAME");
  EXPECT_TRUE(Has(cells, "4")) << "total: four occurrences named P-FRAME-3";
  EXPECT_TRUE(Has(cells, "1")) << "quantity";
  EXPECT_TRUE(Has(cells, "FRAME"));
}
