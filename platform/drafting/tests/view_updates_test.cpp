// Updating views: a view whose scale alone changed draws what a new view at that scale
// draws; anything else that changed with it is drawn too; a sheet's views are updated
// together and one that fails does not stop the others.
#include <gtest/gtest.h>

#include "platform/files/sheet_template.h"
#include "platform/drafting/edges_to_curves.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/view_curves.h"
#include "platform/drafting/views.h"
#include "platform/base/host_error.h"

using namespace platform;
using namespace platform::drafting;

namespace {

class ViewUpdates : public fabdoc_test::DraftingTest {
protected:
  Part& model = session().NewPart("\\p\\pipe.prt");
  Part& drawing = session().NewPart("\\p\\drawing.prt");
  DrawingSheet& sheet = AddSheetFromTemplate(drawing, SheetTemplate("A4_nj.prt"), "000-1-PIPE");
};

size_t PolylinePoints(const ViewContent& content) {
  size_t points = 0;
  for (const auto* curves : {&content.visible, &content.hidden})
    for (const Curve2& curve : *curves)
      if (const auto* polyline = std::get_if<Polyline2>(&curve)) points += polyline->points.size();
  return points;
}

// The extents may differ by the polylines' tolerance: a reduced ellipse is finer than a
// fresh one, so it reaches nearer the true curve.
void ExpectSameAsFresh(const DraftingView& view, const DraftingView& fresh) {
  const DrawnExtent a = DrawnExtentOf(view), b = DrawnExtentOf(fresh);
  EXPECT_EQ(a.visible, b.visible);
  EXPECT_EQ(a.hidden, b.hidden);
  ASSERT_TRUE(a.box && b.box);
  for (int i = 0; i < 4; ++i) EXPECT_NEAR((*a.box)[i], (*b.box)[i], kPolylineChordMm) << "box " << i;
}

}  // namespace

TEST_F(ViewUpdates, AReducedViewDrawsWhatANewViewAtThatScaleDraws) {
  fabdoc_test::AddPipe(model, 60, 4, 300);
  fabdoc_test::AddBox(model, 40, -50, 0, 30, 100, 12);
  DraftingView& iso = AddBaseView(sheet, model, "Isometric", 0.6, {100, 150});
  UpdateOutOfDateViews(sheet);
  SetViewScale(iso, 0.18);
  DraftingView& fresh = AddBaseView(sheet, model, "Isometric", 0.18, {100, 150});
  UpdateOutOfDateViews(sheet);
  EXPECT_FALSE(IsOutOfDate(iso));
  ExpectSameAsFresh(iso, fresh);
  EXPECT_GE(PolylinePoints(*iso.content), PolylinePoints(*fresh.content))
      << "the pipe's ellipses at least as fine as a fresh projection's";
}

TEST_F(ViewUpdates, AnEnlargedViewIsProjectedAgainWithCurvesAsFineAsANewOne) {
  fabdoc_test::AddPipe(model, 60, 4, 300);
  DraftingView& iso = AddBaseView(sheet, model, "Isometric", 0.1, {100, 150});
  UpdateView(iso);
  SetViewScale(iso, 0.9);
  DraftingView& fresh = AddBaseView(sheet, model, "Isometric", 0.9, {100, 150});
  UpdateOutOfDateViews(sheet);
  ExpectSameAsFresh(iso, fresh);
  EXPECT_EQ(PolylinePoints(*iso.content), PolylinePoints(*fresh.content));
}

TEST_F(ViewUpdates, AScaleChangedWithTheGeometryDrawsTheNewGeometry) {
  Body& near = fabdoc_test::AddBox(drawing, 0, 0, 0, 10, 10, 10);
  Body& far = fabdoc_test::AddBox(drawing, 100, 0, 0, 40, 10, 10);
  far.display.layer = 120;
  DraftingView& view = ImportView(sheet, "Front", 1, {100, 200});
  UpdateView(view);
  LayerMask mask{};
  mask[119] = true;
  SetLayerMask(view, mask);
  SetViewScale(view, 0.5);
  UpdateView(view);
  const auto box = *DrawnExtentOf(view).box;
  EXPECT_NEAR(box[2] - box[0], 20, 1e-6) << "only the far block, at half size";
  EXPECT_EQ(DrawnExtentOf(view).visible, 4);
  // The far block deleted and the mask taken away, then the view reduced again.
  view.layers.reset();
  SetViewScale(view, 0.25);
  near.display.layer = 1;
  session().Delete(far.GetTag());
  UpdateView(view);
  const auto alone = *DrawnExtentOf(view).box;
  EXPECT_NEAR(alone[2] - alone[0], 2.5, 1e-6) << "the near block alone, at a quarter";
}

TEST_F(ViewUpdates, ASheetUpdateDrawsEveryViewItCanAndNamesTheFirstThatFails) {
  fabdoc_test::AddBox(model, 0, 0, 0, 100, 50, 20);
  Part& other = session().NewPart("\\p\\other.prt");
  fabdoc_test::AddBox(other, 0, 0, 0, 10, 10, 10);
  DraftingView& gone = AddBaseView(sheet, other, "Front", 1, {50, 250});
  DraftingView& front = AddBaseView(sheet, model, "Front", 0.5, {100, 200});
  DraftingView& below = AddProjectedView(front, ProjectionDirection::Below, {100, 150});
  DraftingView& iso = AddBaseView(sheet, model, "Isometric", 0.5, {150, 150});
  session().ClosePart(other);
  try {
    UpdateOutOfDateViews(sheet);
    FAIL() << "a view of a closed part was updated";
  } catch (const HostError& e) {
    EXPECT_NE(std::string(e.what()).find("other.prt, which is not open"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(gone.content);
  for (DraftingView* view : {&front, &below, &iso}) {
    EXPECT_FALSE(IsOutOfDate(*view)) << view->name;
    EXPECT_TRUE(DrawnExtentOf(*view).box) << view->name;
  }
  EXPECT_EQ(DrawnExtentOf(front).visible, 4);
  EXPECT_EQ(DrawnExtentOf(below).visible, 4);
  EXPECT_EQ(DrawnExtentOf(iso).visible, 9);
}
