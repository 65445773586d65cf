// A part's sheet as it is drawn: the template's frame lines and circles, the title
// block's grid and cell texts in UTF-8, the views at their centres, name and scale.
#include <algorithm>

#include <gtest/gtest.h>

#include "platform/drafting/sheet_drawing_of.h"
#include "platform/drafting/sheet_ratio.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tabular_note.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/views.h"
#include "platform/files/sheet_template.h"
#include "platform/text/gbk.h"

using namespace platform;
using namespace platform::drafting;

namespace {

class SheetDrawingOf : public fabdoc_test::DraftingTest {
protected:
  Part& model = session().NewPart("\\p\\block.prt");
  Part& drawing = session().NewPart("\\p\\drawing.prt");
  DrawingSheet& sheet = AddSheetFromTemplate(drawing, SheetTemplate("A4_nj.prt"), text::ToGbk("000-1-底板"));
};

bool HasText(const SheetDrawing& d, const std::string& utf8) {
  return std::any_of(d.texts.begin(), d.texts.end(), [&](const SheetText& t) { return t.utf8 == utf8; });
}

}  // namespace

TEST_F(SheetDrawingOf, FrameTitleBlockAndViewsArePlacedAsOnTheSheet) {
  fabdoc_test::AddBox(model, 0, 0, 0, 100, 50, 20);
  SetSheetScale(sheet, 0.816667);
  TabularNote& block = *NotesOf(sheet).at(0);
  block.Cell(0, 1) = text::ToGbk("底板");
  DraftingView& front = AddBaseView(sheet, model, "Front", 0.816667, {70, 211});
  AddBaseView(sheet, model, "Isometric", 0.245, {160.417, 153.25});
  UpdateOutOfDateViews(sheet);

  const SheetDrawing d = DrawingOf(sheet);
  EXPECT_EQ(d.name, "000-1-底板");
  EXPECT_EQ(d.widthMm, 210);
  EXPECT_EQ(d.heightMm, 297);
  const auto arcs = std::count_if(sheet.frame.begin(), sheet.frame.end(), [](const FrameCurve& c) { return c.IsArc(); });
  EXPECT_EQ(arcs, 2) << "the projection symbol's two circles";
  EXPECT_EQ(d.arcs.size(), 2u);
  EXPECT_TRUE(d.arcs[0].arc.IsFullCircle());
  const size_t grid = (block.Rows() + 1) + (block.Columns() + 1);
  EXPECT_EQ(d.lines.size(), sheet.frame.size() - arcs + grid) << "frame lines and the title block's grid";
  EXPECT_TRUE(HasText(d, "底板")) << "cell texts in UTF-8";
  EXPECT_TRUE(HasText(d, "名称"));
  const auto name = std::find_if(d.texts.begin(), d.texts.end(), [](const SheetText& t) { return t.utf8 == "000-1-底板"; });
  ASSERT_NE(name, d.texts.end()) << "the sheet's name above the title block";
  EXPECT_EQ(name->anchor, TextAnchor::BottomRight);
  EXPECT_LT(name->position.x, 210 - 5) << "its right end clear of the frame line";
  EXPECT_GT(name->position.y, block.position[1]);
  EXPECT_EQ(block.Cell(0, 5), "1:1.22") << "the scale in the cell beside 比例";
  EXPECT_EQ(std::count_if(d.texts.begin(), d.texts.end(), [](const SheetText& t) { return t.utf8.find("1:1.22") != std::string::npos; }), 1)
      << "the scale is drawn once, in its cell";
  const auto material = std::find_if(d.texts.begin(), d.texts.end(), [](const SheetText& t) { return t.utf8 == "定义材料"; });
  ASSERT_NE(material, d.texts.end());
  EXPECT_NEAR(material->maxWidthMm, block.columnWidths[1] - 2, 1e-9) << "fitted to its cell";

  ASSERT_EQ(d.views.size(), 2u);
  const SheetView& v = d.views[0];
  EXPECT_EQ(v.name, "FRONT@1");
  const Point2 middle = v.content.box.Centre();
  EXPECT_NEAR(v.origin.x + middle.x, front.center[0], 1e-9) << "drawn around the view's centre";
  EXPECT_NEAR(v.origin.y + middle.y, front.center[1], 1e-9);
  EXPECT_EQ(v.content.visible.size(), 4u);
}

TEST_F(SheetDrawingOf, ViewsNeverUpdatedDrawNothingAndAreNamed) {
  fabdoc_test::AddBox(model, 0, 0, 0, 10, 10, 10);
  AddBaseView(sheet, model, "Front", 1, {70, 211});
  std::vector<std::string> undrawn;
  const SheetDrawing d = DrawingOf(sheet, &undrawn);
  EXPECT_TRUE(d.views.empty());
  EXPECT_EQ(undrawn, std::vector<std::string>{"FRONT@1"});
}

TEST_F(SheetDrawingOf, TextsThatAreNotGbkAreRefusedNamingTheSheet) {
  NotesOf(sheet).at(0)->Cell(2, 1) = "\x81";  // a lead byte with no trail byte
  try {
    DrawingOf(sheet);
    FAIL() << "a broken text was drawn";
  } catch (const HostError& e) {
    EXPECT_NE(std::string(e.what()).find("000-1-底板"), std::string::npos) << e.what();
  }
}

TEST_F(SheetDrawingOf, TheScaleCellFollowsEveryChangeOfTheScale) {
  TabularNote& block = *NotesOf(sheet).at(0);
  ASSERT_EQ(ScaleCell(sheet), &block.Cell(0, 5));
  SetSheetRatio(sheet, 1, 5);
  EXPECT_DOUBLE_EQ(sheet.scale, 0.2);
  EXPECT_EQ(block.Cell(0, 5), "1:5");
  SetSheetRatio(sheet, 2, 1);
  EXPECT_EQ(block.Cell(0, 5), "2:1");
  SetSheetScale(sheet, 2);
  EXPECT_TRUE(sheet.ratio) << "the same factor keeps the ratio";
  SetSheetScale(sheet, 0.816667);
  EXPECT_FALSE(sheet.ratio) << "another factor drops it";
  EXPECT_EQ(block.Cell(0, 5), "1:1.22");
  EXPECT_THROW(SetSheetRatio(sheet, 0, 5), HostError);
  EXPECT_THROW(SetSheetScale(sheet, -1), HostError);
  EXPECT_EQ(block.Cell(0, 5), "1:1.22") << "a refused scale changes nothing";
  const SheetDrawing d = DrawingOf(sheet);
  EXPECT_TRUE(HasText(d, "1:1.22"));
}

TEST(ScaleText, ReductionsAndEnlargementsToThreeFigures) {
  EXPECT_EQ(ScaleText(0.816667), "1:1.22");
  EXPECT_EQ(ScaleText(0.04), "1:25");
  EXPECT_EQ(ScaleText(1), "1:1");
  EXPECT_EQ(ScaleText(2.5), "2.5:1");
  EXPECT_EQ(ScaleText(0.0399575), "1:25");
}
