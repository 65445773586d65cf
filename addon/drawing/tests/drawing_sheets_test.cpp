// The sheets component mode draws, read back from the part: scales, view places and
// drawn extents on the three formats; bad input ending in a clear error with the sheets
// made before it kept whole.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <uf_layer.h>

#include "addon/drawing/tests/drawing_fixture.h"
#include "drawing/isometric_place.h"
#include "drawing/scale_rule.h"
#include "drawing/sheet_views.h"
#include "drawing/view_layout.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tabular_note.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/views.h"
#include "platform/geometry/body.h"
#include "platform/text/gbk.h"

using namespace kzt_test;
namespace fs = std::filesystem;

namespace {

DrawingSheet& NeedSheet(const Part& part, const std::string& gbkName) {
  DrawingSheet* sheet = drafting::FindSheet(part, gbkName);
  if (!sheet) throw std::runtime_error("no sheet " + text::ToUtf8(gbkName));
  return *sheet;
}

std::array<double, 4> BoxOf(const DraftingView& view) {
  const auto drawn = drafting::DrawnExtentOf(view);
  if (!drawn.box) throw std::runtime_error("view " + view.name + " draws nothing");
  return *drawn.box;
}

// The title block: the extent of the sheet's tabular note.
std::array<double, 4> TitleBlockOf(const DrawingSheet& sheet) {
  const auto notes = drafting::NotesOf(sheet);
  if (notes.size() != 1) throw std::runtime_error("sheet " + text::ToUtf8(sheet.name) + " has no single title block");
  const TabularNote& note = *notes[0];
  double width = 0, height = 0;
  for (double w : note.columnWidths) width += w;
  for (double h : note.rowHeights) height += h;
  return {note.position[0], note.position[1] - height, note.position[0] + width, note.position[1]};
}

// Every view drawn, inside the sheet and clear of the title block.
void ExpectViewsClearOfTheTitleBlock(const DrawingSheet& sheet) {
  const auto block = TitleBlockOf(sheet);
  const auto views = drafting::ViewsOf(sheet);
  EXPECT_EQ(views.size(), 4u) << text::ToUtf8(sheet.name);
  for (const DraftingView* view : views) {
    const auto box = BoxOf(*view);
    const std::string what = text::ToUtf8(sheet.name) + " " + view->name;
    EXPECT_GT(box[0], 0) << what;
    EXPECT_GT(box[1], 0) << what;
    EXPECT_LT(box[2], sheet.width) << what;
    EXPECT_LT(box[3], sheet.height) << what;
    const bool apart = box[2] <= block[0] || box[0] >= block[2] || box[3] <= block[1] || box[1] >= block[3];
    EXPECT_TRUE(apart) << what << " overlaps the title block";
  }
}

// The views of the scale rule for extents E and scale s with the given gaps: front box
// starts a gap in from the left and a gap down from the top, and measures E0 s by E2 s;
// the view right of it starts a gap further; the isometric view is at 0.3 s.
void ExpectScaleRuleViews(const DrawingSheet& sheet, std::array<double, 3> e, double s, double gapX, double gapY) {
  EXPECT_NEAR(sheet.scale, s, 5e-7);
  const auto views = drafting::ViewsOf(sheet);
  ASSERT_EQ(views.size(), 4u);
  const DraftingView &front = *views[0], &below = *views[1], &right = *views[2], &iso = *views[3];
  EXPECT_EQ(front.modelView, "Front");
  EXPECT_EQ(below.modelView, "Top") << "first angle: the view below shows the top";
  EXPECT_EQ(right.modelView, "Left") << "first angle: the view right shows the left side";
  EXPECT_EQ(iso.modelView, "Isometric");
  const auto f = BoxOf(front);
  EXPECT_NEAR(f[2] - f[0], e[0] * s, 1e-3);
  EXPECT_NEAR(f[3] - f[1], e[2] * s, 1e-3);
  EXPECT_NEAR((f[0] + f[2]) / 2, front.center[0], 1e-6) << "drawn around its centre";
  EXPECT_NEAR((f[1] + f[3]) / 2, front.center[1], 1e-6);
  EXPECT_NEAR(f[0], gapX, 1e-3);
  EXPECT_NEAR(297 - f[3], gapY, 1e-3);
  const auto r = BoxOf(right);
  EXPECT_NEAR(r[0] - f[2], gapX, 1e-3) << "the gap between front and right view";
  EXPECT_NEAR(r[2] - r[0], e[1] * s, 1e-3);
  const auto b = BoxOf(below);
  EXPECT_NEAR(b[1], 55 + gapY, 1e-3) << "the lower views start a gap above the title-block band";
  EXPECT_NEAR(b[3] - b[1], e[1] * s, 1e-3);
  EXPECT_NEAR(iso.scale, 0.3 * sheet.scale, 1e-12);
  EXPECT_NEAR(iso.center[0], right.center[0], 1e-9);
  EXPECT_NEAR(iso.center[1], below.center[1], 1e-9);
}

// UGII_BASE_DIR set for the scope, then as it was.
class BaseDirFor {
public:
  explicit BaseDirFor(const std::string& folder) {
    if (const char* value = std::getenv("UGII_BASE_DIR")) saved_ = value;
    setenv("UGII_BASE_DIR", folder.c_str(), 1);
  }
  ~BaseDirFor() {
    if (saved_) setenv("UGII_BASE_DIR", saved_->c_str(), 1);
    else unsetenv("UGII_BASE_DIR");
  }

private:
  std::optional<std::string> saved_;
};

class DrawingSheets : public DrawingProduction {
protected:
  void NewRoot(const std::string& stem) {
    root = &session().NewPart(HostPath(stem + ".prt"));
  }
  void Finish() {
    files::SavePart(*root, root->path);
    session().SetDisplayed(root);
  }
  // A sub-assembly STEM.prt whose bodies span x × y × z: a slab and a post.
  void AddSubAssembly(const std::string& stem, double x, double y, double z, double offsetX,
                      const std::array<double, 9>& turn = Transform::Identity().rotation) {
    Part& part = session().NewPart(HostPath(stem + ".prt"));
    MakeToDrawing(AddBox(part, 0, 0, 0, x, y, 10), "SLAB");
    MakeToDrawing(AddBox(part, 0, 0, 10, 10, 10, z - 10), "POST");
    files::SavePart(part, part.path);
    Place(stem, offsetX, 0, turn);
  }
  std::vector<std::string> ErrorBoxes() { return Shown("error box"); }
};

}  // namespace

TEST_F(DrawingSheets, PartOnA4HasTheScaleGapsAndViewPlacesOfTheScaleRule) {
  NewRoot("P-0");
  AddPartComponent("P-BASE-1", "BASE", 100, 50, 20);
  AddPartComponent("P-PLATE-2", "PLATE", 300, 100, 2, 500);
  Finish();
  Run(kComponentModeRun);
  const DrawingSheet& sheet = NeedSheet(*root, "000-1-BASE");
  EXPECT_EQ(sheet.width, 210);
  EXPECT_EQ(sheet.height, 297);
  ExpectScaleRuleViews(sheet, {100, 50, 20}, 0.816667, 29.1667, 77.8333);
  const auto views = drafting::ViewsOf(sheet);
  const auto front = BoxOf(*views[0]);
  EXPECT_NEAR(front[2] - front[0], 81.67, 5e-3);
  EXPECT_NEAR(front[3] - front[1], 16.33, 5e-3);
  EXPECT_NEAR(views[3]->scale, 0.245, 5e-7);
  for (const DrawingSheet* s : drafting::SheetsOf(*root)) ExpectViewsClearOfTheTitleBlock(*s);
}

TEST_F(DrawingSheets, SubAssembliesOnA3HaveTheScalesAndGapsOfTheirExtents) {
  NewRoot("P-0");
  AddSubAssembly("P-BIG-5", 2000, 1000, 800, 0);
  AddSubAssembly("P-MID-6", 600, 400, 300, 3000);
  AddPartComponent("P-BASE-1", "BASE", 100, 50, 20, 4000);
  AddPartComponent("P-PLATE-2", "PLATE", 300, 100, 2, 4500);
  Finish();
  Run(kComponentModeRun);
  const DrawingSheet& big = NeedSheet(*root, "5-0组件-BIG");
  EXPECT_EQ(big.width, 420);
  ExpectScaleRuleViews(big, {2000, 1000, 800}, 0.096078, 43.9216, 30.0686);
  ExpectScaleRuleViews(NeedSheet(*root, "6-0组件-MID"), {600, 400, 300}, 0.258012, 53.9961, 21.1979);
  for (const DrawingSheet* s : drafting::SheetsOf(*root)) ExpectViewsClearOfTheTitleBlock(*s);
}

TEST_F(DrawingSheets, TurnedComponentsAreMeasuredAsTheirViewsShowThem) {
  // The same 600 x 400 x 300 sub-assembly turned a quarter about Z (its X along the
  // assembly's Y) and a quarter about X (its Z along the assembly's Y), and a part turned
  // about Z: a sheet shows the part as it lies in its file, so scale, gaps and views are
  // those of the unturned ones.
  const std::array<double, 9> aboutZ{0, -1, 0, 1, 0, 0, 0, 0, 1}, aboutX{1, 0, 0, 0, 0, -1, 0, 1, 0};
  NewRoot("P-0");
  AddSubAssembly("P-ABOUTZ-7", 600, 400, 300, 0, aboutZ);
  AddSubAssembly("P-ABOUTX-8", 600, 400, 300, 3000, aboutX);
  AddPartComponent("P-BASE-1", "BASE", 100, 50, 20, 5000, aboutZ);
  AddPartComponent("P-PLATE-2", "PLATE", 300, 100, 2, 5500);
  Finish();
  Run(kComponentModeRun);
  for (const char* name : {"7-0组件-ABOUTZ", "8-0组件-ABOUTX"}) {
    SCOPED_TRACE(name);
    ExpectScaleRuleViews(NeedSheet(*root, name), {600, 400, 300}, 0.258012, 53.9961, 21.1979);
  }
  ExpectScaleRuleViews(NeedSheet(*root, "000-1-BASE"), {100, 50, 20}, 0.816667, 29.1667, 77.8333);
  for (const DrawingSheet* s : drafting::SheetsOf(*root)) ExpectViewsClearOfTheTitleBlock(*s);
}

TEST_F(DrawingSheets, IsometricViewsOfThinTallModelsStayOffTheTitleBlockAtTheSheetsScale) {
  // A flat welded gate 1100 x 10 x 1000 mm and a tall sign 400 x 20 x 2500 mm as
  // sub-assemblies, a post 60 x 60 x 1500 mm as a part: the isometric view of the gate
  // at 0.3 of its sheet's scale is 68 mm tall, its row leaves 60 mm above the block.
  NewRoot("P-0");
  AddSubAssembly("P-GATE-4", 1100, 10, 1000, 0);
  AddSubAssembly("P-SIGN-5", 400, 20, 2500, 2000);
  AddPartComponent("P-POST-1", "POST", 60, 60, 1500, 3000);
  AddPartComponent("P-PLATE-2", "PLATE", 300, 100, 2, 3500);
  Finish();
  Run(kComponentModeRun);
  ASSERT_TRUE(ErrorBoxes().empty()) << ErrorBoxes().front();
  ASSERT_EQ(drafting::SheetsOf(*root).size(), 5u);
  for (const DrawingSheet* sheet : drafting::SheetsOf(*root)) ExpectViewsClearOfTheTitleBlock(*sheet);
  // The gate's sheet keeps the scale rule's scale and its three orthographic views; only
  // the isometric view moved up and shrank into the space under the right view.
  const kzt::Extents gate{1100, 10, 1000};
  const kzt::ScaleFit fit = kzt::fit_scale(kzt::kSubAssemblyA3, gate);
  const DrawingSheet& sheet = NeedSheet(*root, "4-0组件-GATE");
  EXPECT_NEAR(sheet.scale, fit.scale, 1e-12);
  const auto views = drafting::ViewsOf(sheet);
  const kzt::ViewLayout layout = kzt::layout_views(gate, fit.gapX, fit.gapY, fit.scale);
  EXPECT_NEAR(views[0]->center[0], layout.front.x, 1e-9);
  EXPECT_NEAR(views[1]->center[1], layout.below.y, 1e-9);
  EXPECT_NEAR(views[2]->center[0], layout.right.x, 1e-9);
  const auto iso = BoxOf(*views[3]), right = BoxOf(*views[2]);
  EXPECT_LT(views[3]->scale, 0.3 * fit.scale) << "shrunk, not the sheet";
  EXPECT_NEAR(iso[1], 37 + kzt::kIsometricClearance, 0.05) << "5 mm above the title block";
  EXPECT_NEAR(right[1] - iso[3], kzt::kIsometricClearance, 0.05) << "5 mm below the right view";
}

TEST_F(DrawingSheets, AComponentWithoutBodiesIsNamedAndEveryOtherSheetIsMade) {
  // P-EMPTY-1 holds no body: it counts among the sub-assemblies, and its views would show
  // nothing. Before, that error stopped the run with no sheet made at all.
  NewRoot("P-0");
  Part& empty = session().NewPart(HostPath("P-EMPTY-1.prt"));
  files::SavePart(empty, empty.path);
  Place("P-EMPTY-1", 0);
  AddPartComponent("P-BASE-1", "BASE", 100, 50, 20, 500);
  AddPartComponent("P-PLATE-2", "PLATE", 300, 100, 2, 1000);
  Finish();
  for (int run = 0; run < 2; ++run) {
    platform::ui::ClearHistory();
    Run(kComponentModeRun);
    EXPECT_TRUE(ErrorBoxes().empty()) << ErrorBoxes().front();
    const auto messages = Shown("message");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1], text::ToUtf8("组件 P-EMPTY-1 中没有实体, 未创建图纸 1-0组件-EMPTY"));
    EXPECT_EQ(kzt::sheet_names(), (std::vector<std::string>{"000-1-BASE", "000-2-PLATE", "000-0-总图"}));
  }
  for (const DrawingSheet* s : drafting::SheetsOf(*root)) ExpectViewsClearOfTheTitleBlock(*s);
}

TEST_F(DrawingSheets, MissingTemplateStopsTheRunWithTheSheetsMadeBeforeItWhole) {
  // An installation folder holding the sub-assembly template only.
  const std::string base = folder + "/base";
  fs::create_directories(base + "/kzt-1/bom");
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  fs::copy_file(std::string(source ? source : FABDOC_TEST_SOURCE_DIR) + "/data/kzt-1/bom/A3_bujian.prt",
                base + "/kzt-1/bom/A3_bujian.prt");
  const BaseDirFor installation(base);
  NewRoot("P-0");
  AddSubAssembly("P-FRAME-3", 600, 400, 300, 0);
  AddPartComponent("P-BASE-1", "BASE", 100, 50, 20, 1000);
  AddPartComponent("P-PLATE-2", "PLATE", 300, 100, 2, 1500);
  Finish();
  Run(kComponentModeRun);
  const auto boxes = ErrorBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("A4_nj.prt"), std::string::npos) << boxes[0];
  EXPECT_EQ(kzt::sheet_names(), std::vector<std::string>{"3-0组件-FRAME"});
  ExpectViewsClearOfTheTitleBlock(NeedSheet(*root, "3-0组件-FRAME"));
  UF_initialize();
  int layer = 0;
  UF_LAYER_ask_work_layer(&layer);
  EXPECT_EQ(layer, 1) << "the user's work layer is given back";
  UF_terminate();
}

TEST_F(DrawingSheets, ModelPartNotOpenLeavesNoHalfMadeSheet) {
  NewRoot("P-0");
  AddSubAssembly("P-FRAME-3", 600, 400, 300, 0);
  Place("P-GONE-4", 0);  // its file was never written: the component stays, its part is not open
  AddPartComponent("P-BASE-1", "BASE", 100, 50, 20, 1000);
  AddPartComponent("P-PLATE-2", "PLATE", 300, 100, 2, 1500);
  Finish();
  Run(kComponentModeRun);
  const auto boxes = ErrorBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("P-GONE-4"), std::string::npos) << boxes[0];
  EXPECT_EQ(kzt::sheet_names(), std::vector<std::string>{"3-0组件-FRAME"}) << "no sheet 4-0组件-GONE left half made";
  ExpectViewsClearOfTheTitleBlock(NeedSheet(*root, "3-0组件-FRAME"));
}

TEST_F(DrawingSheets, SheetNamesWithASlashOrBackslashAreRefusedAndAddNothing) {
  NewRoot("P-0");
  const Part& base = AddPartComponent("P-BASE-1", "BASE", 100, 50, 20);
  AddPartComponent("P-PLATE-2", "PLATE", 300, 100, 2, 500);
  Finish();
  Run(kComponentModeRun);
  const auto before = kzt::sheet_names();
  kzt::DrawingState state;
  for (const std::string bad : {"000-9-A/B", "000-9-A\\B"}) {
    EXPECT_THROW(kzt::创建图纸页(state, {"A", "-9", bad, "1", "1", "", 1.0, "\\kzt-1\\bom\\A4_nj.prt"},
                                  base.path, "P-BASE-1"),
                 std::exception)
        << bad;
    EXPECT_EQ(kzt::sheet_names(), before) << bad;
  }
  UF_initialize();
  tag_t sheet = NeedSheet(*root, "000-1-BASE").GetTag();
  EXPECT_NE(UF_DRAW_rename_drawing(sheet, "000-1/BASE"), 0);
  char message[UF_UI_MAX_STRING_LEN + 1] = "";
  UF_get_fail_message(UF_DRAW_rename_drawing(sheet, "000-1\\BASE"), message);
  EXPECT_NE(std::string(message).find("backslash"), std::string::npos) << message;
  UF_terminate();
  EXPECT_EQ(kzt::sheet_names(), before) << "the sheet keeps its name";
}

TEST_F(DrawingSheets, ViewsOfDeletedBodiesAreAClearErrorAndEarlierSheetsKeepWhatTheyDrew) {
  NewRoot("P-0");
  Part& base = AddPartComponent("P-BASE-1", "BASE", 100, 50, 20);
  AddPartComponent("P-PLATE-2", "PLATE", 300, 100, 2, 500);
  AddPartComponent("P-RING-3", "RING", 80, 80, 10, 1000);
  Finish();
  Run(kComponentModeRun);
  ASSERT_TRUE(ErrorBoxes().empty());
  const auto before = kzt::sheet_names();
  ASSERT_EQ(before.size(), 4u);
  const auto drewBefore = drafting::DrawnExtentOf(*drafting::ViewsOf(NeedSheet(*root, "000-1-BASE"))[0]);
  for (const auto& object : base.Objects())
    if (dynamic_cast<Body*>(object.get())) {
      session().Delete(object->GetTag());
      break;
    }
  // The emptied component now counts among the sub-assemblies; its sheet cannot be drawn.
  Run(kComponentModeRun);
  const auto boxes = ErrorBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("shows no body"), std::string::npos) << boxes[0];
  EXPECT_EQ(kzt::sheet_names(), before) << "sheets kept, none half made";
  const auto drewAfter = drafting::DrawnExtentOf(*drafting::ViewsOf(NeedSheet(*root, "000-1-BASE"))[0]);
  EXPECT_EQ(drewAfter.visible, drewBefore.visible) << "the old view keeps what it drew";
  EXPECT_EQ(drewAfter.box, drewBefore.box);
}

TEST_F(DrawingSheets, SubPartsNotModelledInPlaceAreMeasuredWherePlaced) {
  // A ladder frame as other systems write it: P-FRAME-3 holds no bodies, only two
  // instances of a rail (1000 x 30 x 30 at its part's origin) 570 apart in Y and a rung
  // (30 x 540 x 30) between them. Its views show 1000 x 600 x 30; the rail and rung parts
  // each in its own coordinates would span only 1000 x 540 x 30.
  // E = (1000, 600, 30): WX 1600, HY 630; s1 = 0.2625, s2 = 0.471429; t1 = 420 / (1600 + 342.857)
  // = 0.216176 < t2 = 297 / (630 + 233.333) = 0.344015, so s = t1 / 1.2 = 0.180147;
  // gap x = (420 - 1600 s) / 3 = 43.9216; gap y = (297 - 630 s - 20 - 43.9216) / 2 = 59.7929.
  NewRoot("P-0");
  Part& frame = session().NewPart(HostPath("P-FRAME-3.prt"));
  Part& rail = session().NewPart(HostPath("P-RAIL-4.prt"));
  MakeToDrawing(AddBox(rail, 0, 0, 0, 1000, 30, 30), "RAIL");
  Part& rung = session().NewPart(HostPath("P-RUNG-5.prt"));
  MakeToDrawing(AddBox(rung, 0, 0, 0, 30, 540, 30), "RUNG");
  const auto identity = Transform::Identity().rotation;
  Place("P-RAIL-4", 0, 0, identity, &frame);
  Place("P-RAIL-4", 0, 570, identity, &frame);
  Place("P-RUNG-5", 485, 30, identity, &frame);
  for (Part* part : {&rail, &rung, &frame}) files::SavePart(*part, part->path);
  Place("P-FRAME-3", 0);
  AddPartComponent("P-PLATE-2", "PLATE", 300, 100, 2, 2000);
  Finish();
  Run(kComponentModeRun);
  const DrawingSheet& sheet = NeedSheet(*root, "3-0组件-FRAME");
  ExpectScaleRuleViews(sheet, {1000, 600, 30}, 0.180147, 43.9216, 59.7929);
  ExpectViewsClearOfTheTitleBlock(sheet);
}
