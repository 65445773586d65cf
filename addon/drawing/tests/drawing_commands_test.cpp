// Drawing production on assemblies made by the component dialog: numbering and
// quantities (host calls only), and the whole component-mode run through the `drawing`
// dialog, read back through the host's C interface. Journal text is UTF-8; literals GBK.
#include <algorithm>
#include <string>
#include <vector>

#include "addon/drawing/tests/drawing_fixture.h"
#include "drawing/quantity_count.h"
#include "drawing/scale_rule.h"
#include "drawing/sheet_scale.h"
#include "host/assembly_walks.h"
#include "host/object_attributes.h"
#include <uf_modl.h>

using namespace kzt_test;

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

TEST_F(DrawingProduction, OneQuantityCountGivesEachPartOfABatchItsOwnFigures) {
  MakeProduct({{"FRAME-3", {"BASE", "PLATE", "PLATE"}}, {"RACK-4", {"BASE"}}});
  UF_initialize();
  const tag_t frame = Component("FRAME-3"), rack = Component("RACK-4");
  ASSERT_NE(frame, NULL_TAG);
  ASSERT_NE(rack, NULL_TAG);
  auto prototypeOf = [](tag_t occurrence) {
    tag_t prototype = NULL_TAG;
    kzt::OccurrenceFlags flags;
    kzt::得到装配下的boy(flags, occurrence, prototype);
    return prototype;
  };
  const tag_t base = prototypeOf(Bodies("BASE").at(0));
  const tag_t plate = prototypeOf(Bodies("PLATE").at(0));
  // Asked in the order a batch asks, then again: every answer is that of a count made
  // for that part alone.
  kzt::QuantityCount batch;
  const std::pair<tag_t, tag_t> asked[] = {{base, frame}, {plate, frame}, {base, rack}, {plate, rack}, {base, frame}};
  for (const auto& [body, parent] : asked) {
    int quantity = -1, total = -1, aloneQuantity = -1, aloneTotal = -1;
    batch.Of(body, parent, quantity, total);
    kzt::QuantityCount().Of(body, parent, aloneQuantity, aloneTotal);
    EXPECT_EQ(quantity, aloneQuantity);
    EXPECT_EQ(total, aloneTotal);
  }
  int quantity = -1, total = -1;
  batch.Of(plate, frame, quantity, total);
  EXPECT_EQ(quantity, 2) << "two PLATE bodies under FRAME-3";
  batch.Of(plate, rack, quantity, total);
  EXPECT_EQ(quantity, 0) << "no PLATE under RACK-4";
  EXPECT_EQ(total, 2) << "the product's PLATE bodies, wherever they are";
  batch.Of(base, rack, quantity, total);
  EXPECT_EQ(quantity, 1);
  EXPECT_EQ(total, 2);
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
    Place(stems[i], 300.0 * i);
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
  for (int i = 0; i < 4; ++i) Place("P-FRAME-3", 0, 500.0 * i);
  for (const char* stem : {"P-BASE-1", "P-PLATE-2"}) {
    Part& part = session().NewPart(HostPath(std::string(stem) + ".prt"));
    MakeToDrawing(AddBox(part, 0, 0, 0, 10, 10, 10), stem);
    files::SavePart(part, part.path);
    Place(stem, 0);
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

TEST_F(DrawingProduction, APartNamedWithoutNameAndNumberIsToldWhatToDoAndTheRestGoOn) {
  // Parts as another system names them: no NAME-N, so no drawing number can be made;
  // the message names the file and the two ways out. Numbered parts are drawn as ever.
  root = &session().NewPart(HostPath("P-0.prt"));
  const char* stems[] = {"tube 30x30x2 900mm leg", "P-PLATE-2", "P-BASE-1"};
  for (int i = 0; i < 3; ++i) {
    Part& part = session().NewPart(HostPath(std::string(stems[i]) + ".prt"));
    MakeToDrawing(AddBox(part, 0, 0, 0, 100, 50, 20), i == 0 ? "leg" : stems[i]);
    files::SavePart(part, part.path);
    Place(stems[i], 300.0 * i);
  }
  files::SavePart(*root, root->path);
  session().SetDisplayed(root);
  Run(kComponentModeRun);
  std::vector<std::string> unnamed;
  for (const std::string& message : Shown("message"))
    if (message.find(Utf8("零件无名称属性,无法创建图号")) == 0) unnamed.push_back(message);
  ASSERT_EQ(unnamed.size(), 1u);
  EXPECT_NE(unnamed[0].find("tube 30x30x2 900mm leg"), std::string::npos) << unnamed[0];
  EXPECT_NE(unnamed[0].find(Utf8("名称-编号")), std::string::npos) << unnamed[0];
  EXPECT_NE(unnamed[0].find(Utf8("重命名组件")), std::string::npos) << unnamed[0];
  EXPECT_EQ(kzt::sheet_names(), (std::vector<std::string>{"000-2-PLATE", "000-1-BASE", "000-0-总图"}));
}

TEST_F(DrawingProduction, InPlaceSubAssembliesKeepTheirExtentsToTheBit) {
  // The batch split models sub-parts in place: measured as placed or on their prototype
  // bodies (the work part's body list), their boxes must be the same numbers exactly.
  // The second parent sits at x = 1000, so its sub-parts' placements are composed and undone.
  MakeProduct({{"FRAME-3", {"BASE", "PLATE", "POST"}}, {"RACK-4", {"FOOT", "RAIL"}}});
  for (const char* stem : {"FRAME-3", "RACK-4"}) {
    SCOPED_TRACE(stem);
    const tag_t parent = Component(stem);
    ASSERT_NE(parent, NULL_TAG);
    UF_initialize();
    std::vector<tag_t> prototypes;
    kzt::得到组件下所有的实体(parent, prototypes, kzt::ComponentBodies::Deep);
    kzt::ExtentsAccumulator acc;
    for (tag_t body : prototypes) {
      double box[6];
      ASSERT_EQ(UF_MODL_ask_bounding_box(body, box), 0);
      acc.Widen(box);
    }
    kzt::DrawingState state;
    double scale = 0;
    kzt::A3部件比例设置(state, parent, scale);
    UF_terminate();
    EXPECT_GE(prototypes.size(), 2u) << "one body for each sub-part";
    const kzt::Extents expected = acc.Result();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(state.view_extents[i], expected[i]) << "extent " << i;
  }
}
