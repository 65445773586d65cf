// Part marks and the dimensions of assembly sheets: a frame of two identical posts and a
// beam drawn as a sub-assembly sheet gets one mark per drawing number, its overall sizes
// and the members' positions, with no leader crossing another and nothing overlapping;
// crowded tips get their balloons exchanged until no leaders cross.
#include <algorithm>
#include <set>

#include <BRepPrimAPI_MakeBox.hxx>
#include <gtest/gtest.h>

#include "platform/drafting/part_mark_placement.h"
#include "platform/drafting/sheet_dimensions.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/tests/part_sheet_fixture.h"
#include "platform/drafting/view_content.h"
#include "platform/text/gbk.h"

using namespace platform;
using namespace platform::drafting;

namespace {

double Turn(Point2 o, Point2 a, Point2 b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }
bool Cross(Point2 a, Point2 b, Point2 c, Point2 d) {
  return Turn(c, d, a) * Turn(c, d, b) < 0 && Turn(a, b, c) * Turn(a, b, d) < 0;
}
bool Apart(const Box2& a, const Box2& b) {
  return a.xmax <= b.xmin || b.xmax <= a.xmin || a.ymax <= b.ymin || b.ymax <= a.ymin;
}

class PartMarks : public fabdoc_test::DraftingTest {};

}  // namespace

TEST_F(PartMarks, DrawingNumberSuffixFollowsTheProductPrefix) {
  EXPECT_EQ(DrawingNumberSuffix("KZT-01-1-2", "KZT-01"), "1-2");  // the prefix holds a hyphen
  EXPECT_EQ(DrawingNumberSuffix("KZT-01-3", "KZT-01"), "3");      // a sub-assembly
  EXPECT_EQ(DrawingNumberSuffix("OLD-4-2", "KZT-01"), "4-2");     // made under another prefix
  EXPECT_EQ(DrawingNumberSuffix("12", "KZT-01"), "");             // not numbered yet
  EXPECT_EQ(DrawingNumberSuffix("KZT-01", "KZT-01"), "01");       // no suffix after the prefix
}

TEST_F(PartMarks, CrowdedTipsGetTheirBalloonsExchangedSoNoLeadersCross) {
  // A view 100 x 50 with three tips on its top edge and one deep inside, all marked from
  // the top: spread in the order of their tips, the deep tip's leader (50,5) -> (67,...)
  // would cross the last shallow tip's leader (50.5,48) -> (76,...).
  SheetObstacles sheet;
  sheet.frame.Add(Point2{0, 0});
  sheet.frame.Add(Point2{300, 200});
  Box2 view;
  view.Add(Point2{0, 0});
  view.Add(Point2{100, 50});
  sheet.views = {view};
  sheet.viewPids = {7};
  std::vector<MarkTarget> targets;
  for (auto [text, x, y] : {std::tuple{"1", 49.0, 48.0}, {"2", 49.5, 48.0}, {"3", 50.0, 5.0}, {"4", 50.5, 48.0}})
    targets.push_back({text, text, text, {{7, {x, y}, {Side::Top}}}});
  const double spacing = 2 * kMinBalloonRadiusMm + 1, row = 50 + kFirstRowMm + kMinBalloonRadiusMm;
  ASSERT_TRUE(Cross({50, 5}, {49 + 2 * spacing, row}, {50.5, 48}, {49 + 3 * spacing, row})) << "the case is not crowded";

  const MarkPlacement placed = PlaceMarks(targets, sheet, {});
  ASSERT_EQ(placed.placed.size(), 4u);
  EXPECT_TRUE(placed.unplaced.empty());
  EXPECT_TRUE(CrossingLeaders(placed.placed).empty());
  for (size_t i = 0; i < placed.placed.size(); ++i) {
    const PlacedMark& a = placed.placed[i];
    EXPECT_GT(a.drawn.textBox.ymin, 50) << a.target.text << " over the view";
    // The leader runs from the tip to the balloon's rim.
    const Arc2& circle = a.drawn.arcs.front();
    const Line2& leader = a.drawn.lines.front();
    EXPECT_EQ(leader.start.x, a.at.tip.x);
    EXPECT_NEAR(std::hypot(leader.end.x - circle.centre.x, leader.end.y - circle.centre.y), circle.radius, 1e-9);
    for (size_t j = 0; j < i; ++j) {
      const PlacedMark& b = placed.placed[j];
      EXPECT_FALSE(Cross(a.at.tip, leader.end, b.at.tip, b.drawn.lines.front().end)) << a.target.text << b.target.text;
      EXPECT_TRUE(Apart(a.drawn.textBox, b.drawn.textBox)) << a.target.text << b.target.text;
    }
  }
}

TEST_F(PartMarks, SubAssemblySheetMarksEachDrawingNumberOnceWithItsSizesAndPositions) {
  // Two posts 50 x 50 x 400 at x = 0 and x = 550 and a beam 600 x 50 x 50 on top: the
  // frame is 600 long, 50 deep and 450 high; the second post stands 550 from the datum
  // and the beam 400 above it.
  Part& part = session().NewPart("\\p\\frame-1.prt");
  part.attributes.Set("DB_PART_NO", "XJ");
  const std::vector<TopoDS_Shape> shapes = {BRepPrimAPI_MakeBox(gp_Pnt(0, 0, 0), 50, 50, 400).Shape(),
                                            BRepPrimAPI_MakeBox(gp_Pnt(550, 0, 0), 50, 50, 400).Shape(),
                                            BRepPrimAPI_MakeBox(gp_Pnt(0, 0, 400), 600, 50, 50).Shape()};
  DrawingSheet& sheet = fabdoc_test::DrawBodiesSheet(part, shapes, "1-0组件-架");
  const char* numbers[] = {"XJ-1-1", "XJ-1-1", "XJ-1-2"};
  const char* names[] = {"立柱", "立柱", "横梁"};
  int index = 0;
  for (Object* body : ShownBodies(*ViewsOf(sheet).front())) {
    body->attributes.Set("DB_PART_NO", numbers[index]);
    body->attributes.Set("DB_PART_NAME", text::ToGbk(names[index++]));
  }
  ASSERT_EQ(index, 3);

  const SheetDimensionsResult result = DimensionSheet(sheet);
  EXPECT_EQ(result.marks, 2);
  std::multiset<std::string> marks;
  for (const PartMark* m : PartMarksOf(sheet)) {
    marks.insert(m->text);
    EXPECT_EQ(m->drawingNumber, "XJ-" + m->text);
    EXPECT_EQ(m->partName, m->text == "1-1" ? "立柱" : "横梁");
  }
  EXPECT_EQ(marks, (std::multiset<std::string>{"1-1", "1-2"}));
  std::multiset<std::string> texts;
  for (const Dimension* d : DimensionsOf(sheet)) texts.insert(d->text);
  for (const char* expected : {"600", "50", "450", "550", "400"}) EXPECT_EQ(texts.count(expected), 1u) << expected;

  // Nothing overlaps: every balloon and text clear of the others and of the views.
  std::vector<Box2> boxes;
  for (const Dimension* d : DimensionsOf(sheet)) boxes.push_back(d->drawn.textBox);
  for (const PartMark* m : PartMarksOf(sheet)) boxes.push_back(m->drawn.textBox);
  const SheetObstacles obstacles = ObstaclesOf(sheet);
  for (size_t i = 0; i < boxes.size(); ++i) {
    for (size_t j = 0; j < i; ++j) EXPECT_TRUE(Apart(boxes[i], boxes[j])) << i << " " << j;
    for (const Box2& view : obstacles.views) EXPECT_TRUE(Apart(boxes[i], view)) << i;
  }
  const std::vector<PartMark*> stored = PartMarksOf(sheet);
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_FALSE(Cross(stored[0]->Tip(), stored[0]->drawn.lines.front().end, stored[1]->Tip(),
                     stored[1]->drawn.lines.front().end));

  // Running again replaces the marks rather than adding to them.
  DimensionSheet(sheet);
  EXPECT_EQ(PartMarksOf(sheet).size(), 2u);
}
