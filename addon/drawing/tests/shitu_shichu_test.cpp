// View erase and shading through its dialog: a body erased from one view only, a cyan
// shade edit at 95 % transparency, removing every edit; what the part report and a
// rendered sheet show of them, and what survives a save.
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "addon/host/tests/journal_fixture.h"
#include "app/info/part_report.h"
#include "platform/drafting/shade_fill.h"
#include "platform/drafting/sheet_drawing_of.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/views.h"
#include "platform/files/part_file.h"
#include "platform/geometry/body.h"
#include "platform/objects/color_table.h"
#include "platform/text/host_path.h"

using namespace platform;

namespace {

// Two boxes side by side, seen from the front and from above.
class ViewEdits : public kzt_test::CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    part = &session().NewPart(ToHostPath(folder) + "\\frame.prt");
    Body& left = fabdoc_test::AddBox(*part, 0, 0, 0, 100, 50, 20);
    left.name = "LEFT";
    Body& right = fabdoc_test::AddBox(*part, 200, 0, 0, 50, 50, 50);
    right.name = "RIGHT";
    sheet = &drafting::AddSheet(*part, "000-1-A", 420, 297);
    front = &drafting::AddBaseView(*sheet, *part, "Front", 0.5, {150, 200});
    top = &drafting::AddBaseView(*sheet, *part, "Top", 0.5, {150, 100});
    drafting::UpdateOutOfDateViews(*sheet);
    session().SetDisplayed(part);
  }
  nlohmann::json ReportedView(const DraftingView& view) {
    const nlohmann::json report = fabdoc::app::PartReport(*part);
    for (const auto& v : report["sheets"][0]["views"])
      if (v["name"] == view.name) return v;
    return nullptr;
  }
  double Width(const DraftingView& view) {
    const auto box = *drafting::DrawnExtentOf(view).box;
    return box[2] - box[0];
  }
  Part* part = nullptr;
  DrawingSheet* sheet = nullptr;
  DraftingView* front = nullptr;
  DraftingView* top = nullptr;
};

}  // namespace

TEST_F(ViewEdits, AnErasedBodyIsGoneFromThatViewOnly) {
  EXPECT_NEAR(Width(*front), 125, 1e-6) << "both boxes, 250 mm at 1:2";
  Run(u8R"J(
action shitu_shichu
  select shitu view:000-1-A/FRONT@1
  select boy body:RIGHT
  set enum0 0
  ok
)J");
  EXPECT_NEAR(Width(*front), 50, 1e-6) << "the front view draws LEFT alone";
  EXPECT_FALSE(drafting::IsOutOfDate(*front)) << "the view was updated";
  drafting::UpdateOutOfDateViews(*sheet);
  EXPECT_NEAR(Width(*top), 125, 1e-6) << "the top view still draws both";
  int bodies = 0;
  for (const auto& object : part->Objects()) bodies += dynamic_cast<Body*>(object.get()) != nullptr;
  EXPECT_EQ(bodies, 2) << "the model keeps the erased body";
  const auto reported = ReportedView(*front);
  ASSERT_EQ(reported["erased"].size(), 1u);
  EXPECT_EQ(reported["erased"][0]["name"], "RIGHT");
  EXPECT_FALSE(ReportedView(*top).contains("erased"));

  files::SavePart(*part, part->path);
  const auto reread = files::ReadPart(part->path);
  DraftingView* kept = drafting::FindDrawingView(*reread, front->name);
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->erased, front->erased) << "the erasure is saved with the view";
}

TEST_F(ViewEdits, ErasingEveryBodyLeavesTheViewEmptyNotStale) {
  Run(u8R"J(
action shitu_shichu
  select shitu view:000-1-A/FRONT@1
  select boy body:LEFT body:RIGHT
  set enum0 0
  ok
)J");
  EXPECT_FALSE(drafting::IsOutOfDate(*front));
  const auto drawn = drafting::DrawnExtentOf(*front);
  EXPECT_EQ(drawn.visible + drawn.hidden, 0) << "nothing left to draw";
  EXPECT_EQ(drafting::DrawnExtentOf(*top).visible, 8) << "the view from above keeps both boxes";
}

TEST_F(ViewEdits, AShadeEditDrawsTheBodyFilledInTranslucentCyan) {
  Run(u8R"J(
action shitu_shichu
  select shitu view:000-1-A/TOP@2 view:000-1-A/FRONT@1
  select boy body:LEFT
  set enum0 1
  ok
)J");
  EXPECT_TRUE(front->shadeEdits.empty()) << "only the first view picked is edited";
  ASSERT_EQ(top->shadeEdits.size(), 1u);
  const auto reported = ReportedView(*top)["shade_edits"];
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(reported[0]["name"], "LEFT");
  EXPECT_EQ(reported[0]["color_name"], "Cyan");
  EXPECT_EQ(reported[0]["transparency"], 95);

  const drafting::SheetDrawing drawn = drafting::DrawingOf(*sheet);
  const drafting::SheetView& topDrawn = drawn.views.at(1);
  ASSERT_EQ(topDrawn.shades.size(), 1u);
  const drafting::ShadeFill& fill = topDrawn.shades[0];
  EXPECT_EQ(fill.rgb, (std::array<double, 3>{0, 1, 1}));
  EXPECT_DOUBLE_EQ(fill.opacity, drafting::kLeastShadeOpacity) << "95 % clear, held visible on paper";
  double xmin = 1e9, xmax = -1e9, ymin = 1e9, ymax = -1e9;
  for (const auto& t : fill.triangles)
    for (const auto& p : t) {
      xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x);
      ymin = std::min(ymin, p.y), ymax = std::max(ymax, p.y);
    }
  EXPECT_NEAR(xmax - xmin, 50, 1e-6) << "LEFT's 100 mm at 1:2";
  EXPECT_NEAR(ymax - ymin, 25, 1e-6) << "its 50 mm depth seen from above";
  EXPECT_TRUE(drawn.views.at(0).shades.empty());
}

TEST_F(ViewEdits, RemovingAllEditsIgnoresTheBodiesAndBringsEverythingBack) {
  Run(u8R"J(
action shitu_shichu
  select shitu view:000-1-A/FRONT@1
  select boy body:RIGHT
  set enum0 0
  apply
  select boy body:LEFT
  set enum0 1
  apply
  set enum0 2
  ok
)J");
  EXPECT_TRUE(front->erased.empty());
  EXPECT_TRUE(front->shadeEdits.empty());
  EXPECT_NEAR(Width(*front), 125, 1e-6) << "both bodies drawn again at once";
  EXPECT_FALSE(drafting::IsOutOfDate(*front));
  EXPECT_FALSE(ReportedView(*front).contains("erased"));
}

TEST_F(ViewEdits, WithoutAViewTheUserIsToldAndNothingChanges) {
  const std::string out = RunCapturing(u8R"J(
action shitu_shichu
  select boy body:RIGHT
  ok
)J");
  EXPECT_NE(out.find(Utf8("请选择视图")), std::string::npos) << out;
  EXPECT_TRUE(front->erased.empty());
  EXPECT_TRUE(top->erased.empty());
}

TEST_F(ViewEdits, NoBodySelectedOnlyUpdatesTheView) {
  drafting::SetViewScale(*front, 0.25);
  ASSERT_TRUE(drafting::IsOutOfDate(*front));
  Run(u8R"J(
action shitu_shichu
  select shitu view:000-1-A/FRONT@1
  set enum0 1
  ok
)J");
  EXPECT_FALSE(drafting::IsOutOfDate(*front));
  EXPECT_NEAR(Width(*front), 62.5, 1e-6);
  EXPECT_TRUE(front->shadeEdits.empty());
}
