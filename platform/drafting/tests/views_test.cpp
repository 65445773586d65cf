// Drawing views on real geometry: first-angle projections and their places, scales,
// layer masks restricting what is drawn, out-of-date state, deleted bodies.
#include <gtest/gtest.h>

#include "platform/files/sheet_template.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/view_orientation.h"
#include "platform/drafting/views.h"
#include "platform/base/host_error.h"
#include "platform/drafting/delete_object.h"
#include <uf_obj.h>

using namespace platform;
using namespace platform::drafting;

namespace {

class Views : public fabdoc_test::DraftingTest {
protected:
  Part& model = session().NewPart("\\p\\plate.prt");
  Part& drawing = session().NewPart("\\p\\drawing.prt");
  DrawingSheet& sheet = AddSheetFromTemplate(drawing, SheetTemplate("A4_nj.prt"), "000-1-PLATE");
};

// The drawn extent's width and height.
std::array<double, 2> Size(const DraftingView& view) {
  const auto box = DrawnExtentOf(view).box;
  if (!box) return {-1, -1};
  return {(*box)[2] - (*box)[0], (*box)[3] - (*box)[1]};
}

}  // namespace

TEST_F(Views, NumberedAfterTheHighestNumberInUseThroughThePart) {
  fabdoc_test::AddBox(model, 0, 0, 0, 100, 50, 20);
  DraftingView& front = AddBaseView(sheet, model, "Front", 1, {70, 211});
  AddProjectedView(front, ProjectionDirection::Below, {70, 150});
  DrawingSheet& second = AddSheetFromTemplate(drawing, SheetTemplate("A4_nj.prt"), "000-2-PLATE");
  DraftingView& iso = AddBaseView(second, model, "Isometric", 1, {100, 200});
  EXPECT_EQ(iso.name, "ISOMETRIC@3") << "numbered through the part, not the sheet";

  DeleteWithDependants(iso);
  EXPECT_EQ(AddBaseView(second, model, "Top", 1, {100, 200}).name, "TOP@3") << "a deleted last number is given again";

  // Renamed through the host: the new name's number counts, the old one no longer.
  ASSERT_EQ(UF_OBJ_set_name(front.GetTag(), "MINE@40"), 0);
  EXPECT_EQ(AddBaseView(second, model, "Left", 1, {60, 200}).name, "LEFT@41");
  ASSERT_EQ(UF_OBJ_set_name(front.GetTag(), "MINE"), 0);
  DraftingView& right = AddBaseView(second, model, "Right", 1, {60, 100});
  EXPECT_EQ(right.name, "RIGHT@42") << "LEFT@41 is the highest now";

  DeleteWithDependants(second);  // its views go with it
  EXPECT_EQ(AddBaseView(sheet, model, "Back", 1, {60, 100}).name, "BACK@3") << "ORTHO@2 is the highest left";
}

TEST_F(Views, FourViewsOfTheScaleRuleOnA4) {
  // 100 x 50 x 20 on A4: scale 0.98 / 1.2, views at the layout's places.
  fabdoc_test::AddBox(model, 0, 0, 0, 100, 50, 20);
  const double s = 0.816667;
  DraftingView& front = AddBaseView(sheet, model, "Front", s, {70, 211});
  DraftingView& below = AddProjectedView(front, ProjectionDirection::Below, {70, 153.25});
  DraftingView& right = AddProjectedView(front, ProjectionDirection::Right, {160.417, 211});
  DraftingView& iso = AddBaseView(sheet, model, "Isometric", s, {160.417, 153.25});
  UpdateOutOfDateViews(sheet);
  SetViewScale(iso, 0.3 * s);
  EXPECT_TRUE(IsOutOfDate(iso)) << "a new scale needs an update";
  UpdateOutOfDateViews(sheet);

  EXPECT_EQ(below.modelView, "Top") << "first angle: the view below shows the part from above";
  EXPECT_EQ(right.modelView, "Left") << "first angle: the view to the right shows it from the left";
  EXPECT_EQ(below.scale, s);
  EXPECT_EQ(below.center, (SheetPoint{70, 153.25}));
  EXPECT_EQ(right.center, (SheetPoint{160.417, 211}));
  EXPECT_NEAR(Size(front)[0], 81.6667, 1e-4);
  EXPECT_NEAR(Size(front)[1], 16.3333, 1e-4);
  EXPECT_NEAR(Size(below)[0], 81.6667, 1e-3);
  EXPECT_NEAR(Size(below)[1], 40.8333, 1e-3);
  EXPECT_NEAR(Size(right)[0], 40.8333, 1e-3);
  EXPECT_NEAR(Size(right)[1], 16.3333, 1e-3);
  const auto box = *DrawnExtentOf(front).box;
  EXPECT_NEAR((box[0] + box[2]) / 2, 70, 1e-9) << "drawn around its centre";
  EXPECT_NEAR((box[1] + box[3]) / 2, 211, 1e-9);
  EXPECT_EQ(DrawnExtentOf(front).visible, 4) << "a box seen from the front is a rectangle";
  EXPECT_EQ(DrawnExtentOf(front).hidden, 0);
  EXPECT_EQ(DrawnExtentOf(iso).visible, 9) << "three faces of a box seen from a corner";
  EXPECT_EQ(SheetOf(iso).GetTag(), sheet.GetTag());
  EXPECT_EQ(ViewsOf(sheet), (std::vector<DraftingView*>{&front, &below, &right, &iso}));
  EXPECT_EQ(front.name, "FRONT@1");
  EXPECT_EQ(below.name, "ORTHO@2");
}

TEST_F(Views, ProjectionsFollowTheParentsDirectionOnEachSide) {
  const Orientation front = OrientationOf("Front");
  EXPECT_EQ(ModelViewNamed(FirstAngleProjection(front, 3)), "Top");
  EXPECT_EQ(ModelViewNamed(FirstAngleProjection(front, 1)), "Bottom");
  EXPECT_EQ(ModelViewNamed(FirstAngleProjection(front, 2)), "Left");
  EXPECT_EQ(ModelViewNamed(FirstAngleProjection(front, 4)), "Right");
  EXPECT_EQ(ModelViewNamed(FirstAngleProjection(FirstAngleProjection(front, 3), 1)), "Front") << "and back";
  EXPECT_THROW(FirstAngleProjection(front, 5), HostError);
  fabdoc_test::AddBox(model, 0, 0, 0, 100, 50, 10);
  fabdoc_test::AddBox(model, 0, 40, 10, 10, 10, 30);  // a post at the back
  DraftingView& f = AddBaseView(sheet, model, "Front", 1, {70, 200});
  DraftingView& top = AddProjectedView(f, ProjectionDirection::Below, {70, 100});
  DraftingView& left = AddProjectedView(f, ProjectionDirection::Right, {170, 200});
  UpdateOutOfDateViews(sheet);
  EXPECT_NEAR(Size(top)[1], 50, 1e-6);
  EXPECT_NEAR(Size(left)[0], 50, 1e-6);
  EXPECT_NEAR(Size(left)[1], 40, 1e-6);
  // Projected views line up with their parent and keep its scale.
  EXPECT_EQ(top.center[0], 70);
  EXPECT_EQ(left.center[1], 200);
  DraftingView& inferred = AddProjectedView(f, ProjectionDirection::Infer, {70, 300});
  EXPECT_EQ(inferred.modelView, "Bottom") << "a point above the parent: the view from below";
}

TEST_F(Views, LayerMaskRestrictsWhatIsDrawn) {
  Body& near = fabdoc_test::AddBox(drawing, 0, 0, 0, 10, 10, 10);
  Body& far = fabdoc_test::AddBox(drawing, 100, 0, 0, 40, 10, 10);
  near.display.layer = 1;
  far.display.layer = 120;
  DraftingView& view = ImportView(sheet, "Front", 1, {100, 200});
  UpdateView(view);
  EXPECT_NEAR(Size(view)[0], 140, 1e-6) << "no mask: every layer";
  LayerMask mask{};
  mask[119] = true;
  SetLayerMask(view, mask);
  EXPECT_TRUE(IsOutOfDate(view));
  UpdateView(view);
  EXPECT_NEAR(Size(view)[0], 40, 1e-6) << "only layer 120";
  EXPECT_EQ(ShownBodies(view), (std::vector<Object*>{&far}));
  // Moving a body to a hidden layer makes the view out of date.
  near.display.layer = 120;
  EXPECT_TRUE(IsOutOfDate(view));
  DraftingView& projected = AddProjectedView(view, ProjectionDirection::Below, {100, 150});
  EXPECT_EQ(projected.layers, view.layers) << "a projection shows what its parent shows";
}

TEST_F(Views, ComponentBodiesAreDrawnAtTheirPlacement) {
  fabdoc_test::AddBox(model, 0, 0, 0, 10, 10, 10);
  for (int i = 0; i < 2; ++i)
    fabdoc_test::AddInstance(drawing, model.path, "P-" + std::to_string(i), Transform::Translation(i * 90.0, 0, 0));
  DraftingView& view = ImportView(sheet, "Front", 0.5, {100, 200});
  UpdateView(view);
  EXPECT_NEAR(Size(view)[0], 50, 1e-6) << "from x 0 to 100 at half scale";
  EXPECT_EQ(DrawnExtentOf(view).visible, 8);
  drawing.FindInstance(drawing.Instances()[1].pid)->transform = Transform::Translation(190, 0, 0);
  EXPECT_TRUE(IsOutOfDate(view)) << "a moved component";
}

TEST_F(Views, DeletedBodyGivesAClearErrorAndTheViewKeepsItsContent) {
  Body& body = fabdoc_test::AddBox(model, 0, 0, 0, 30, 20, 10);
  DraftingView& view = AddBaseView(sheet, model, "Front", 1, {100, 200});
  UpdateOutOfDateViews(sheet);
  ASSERT_FALSE(IsOutOfDate(view));
  const int drawn = DrawnExtentOf(view).visible;
  session().Delete(body.GetTag());
  EXPECT_TRUE(IsOutOfDate(view));
  try {
    UpdateOutOfDateViews(sheet);
    FAIL() << "updating a view of nothing succeeded";
  } catch (const HostError& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find("view \"FRONT@1\" on sheet \"000-1-PLATE\" shows no body"), std::string::npos) << what;
  }
  EXPECT_EQ(DrawnExtentOf(view).visible, drawn);
  // A view of a part that was closed names the part.
  session().ClosePart(model);
  try {
    UpdateView(view);
    FAIL();
  } catch (const HostError& e) {
    EXPECT_NE(std::string(e.what()).find("plate.prt, which is not open"), std::string::npos) << e.what();
  }
}

TEST_F(Views, BadScalesAreRefused) {
  fabdoc_test::AddBox(model, 0, 0, 0, 1, 1, 1);
  EXPECT_THROW(AddBaseView(sheet, model, "Front", 0, {0, 0}), HostError);
  DraftingView& view = AddBaseView(sheet, model, "Front", 2, {0, 0});
  EXPECT_THROW(SetViewScale(view, -1), HostError);
  EXPECT_EQ(view.scale, 2);
  EXPECT_THROW(AddBaseView(sheet, model, "Sideways", 1, {0, 0}), HostError);
  EXPECT_EQ(ViewsOf(sheet).size(), 1u);
}

namespace {

struct Layout {
  double scale, gapX, gapY;
};

// The add-on's scale rule for a model of extents e on a W x H sheet.
Layout ScaleRule(std::array<double, 3> e, double w, double h, double across, double down, double band) {
  const double wx = e[0] + e[1], hy = e[1] + e[2];
  const double t1 = w / (wx + across * wx / w), t2 = h / (hy + down * hy / h);
  const double s = (t2 > t1 ? t1 : t2) / 1.2;
  const double gx = (w - wx * s) / 3;
  return {s, gx, (h - hy * s - band - gx) / 2};
}

}  // namespace

TEST_F(Views, NoViewOfTheScaleRuleReachesTheTitleBlock) {
  const struct {
    const char* file;
    std::array<double, 3> extents;
    double across, down, band;
  } cases[] = {{"A4_nj.prt", {100, 50, 20}, 90, 155, 55},
               {"A4_nj.prt", {20, 20, 150}, 90, 155, 55},
               {"A3_bujian.prt", {2000, 1000, 800}, 90, 110, 20},
               {"A3_bujian.prt", {600, 400, 300}, 90, 110, 20},
               {"A3_zong.prt", {3000, 300, 300}, 90, 110, 20}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + std::to_string(c.extents[0]));
    Part& part = session().NewPart("\\p\\case-" + std::to_string(&c - cases) + ".prt");
    fabdoc_test::AddBox(part, 0, 0, 0, c.extents[0], c.extents[1], c.extents[2]);
    DrawingSheet& sheet = AddSheetFromTemplate(part, SheetTemplate(c.file), "S");
    const auto [s, gx, gy] = ScaleRule(c.extents, sheet.width, sheet.height, c.across, c.down, c.band);
    const auto& e = c.extents;
    const SheetPoint front{gx + e[0] * s / 2, 297 - gy - e[2] * s / 2};
    const double lowerY = 55 + gy + e[1] * s / 2, rightX = 2 * gx + e[0] * s + e[1] * s / 2;
    DraftingView& f = AddBaseView(sheet, part, "Front", s, front);
    AddProjectedView(f, ProjectionDirection::Below, {front[0], lowerY});
    AddProjectedView(f, ProjectionDirection::Right, {rightX, front[1]});
    AddBaseView(sheet, part, "Isometric", 0.3 * s, {rightX, lowerY});
    UpdateOutOfDateViews(sheet);
    const TabularNote& block = *NotesOf(sheet).front();
    double bw = 0, bh = 0;
    for (double v : block.columnWidths) bw += v;
    for (double v : block.rowHeights) bh += v;
    for (DraftingView* view : ViewsOf(sheet)) {
      const auto box = *DrawnExtentOf(*view).box;
      const bool overlaps = box[2] > block.position[0] && box[0] < block.position[0] + bw &&
                            box[1] < block.position[1] && box[3] > block.position[1] - bh;
      EXPECT_FALSE(overlaps) << view->name << " reaches the title block: bottom " << box[1];
      EXPECT_GE(box[0], 25) << view->name << " crosses the binding margin";
      EXPECT_LE(box[2], sheet.width - 5) << view->name;
    }
  }
}
