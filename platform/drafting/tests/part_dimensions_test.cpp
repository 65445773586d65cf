// Automatic dimensions of part sheets, on real geometry drawn as the drawing command
// draws it: what each kind of part gets, with values derived from the model, and the
// sheets the command refuses (naming them) without touching what they had.
#include <algorithm>
#include <cmath>
#include <numbers>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakeSphere.hxx>
#include <TopoDS_Compound.hxx>
#include <BRep_Builder.hxx>
#include <gp_Pln.hxx>
#include <gtest/gtest.h>

#include "platform/base/host_error.h"
#include "platform/drafting/dimension_strips.h"
#include "platform/drafting/part_dimensions.h"
#include "platform/drafting/sheet_dimensions.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/tests/drafting_shapes.h"
#include "platform/drafting/tests/part_sheet_fixture.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/views.h"
#include "platform/geometry/sheet_metal/bent_profile.h"
#include "platform/geometry/sheet_metal/flat_pattern.h"
#include "platform/text/gbk.h"

using namespace platform;
using namespace platform::drafting;

namespace {

class PartDimensions : public fabdoc_test::DraftingTest {
protected:
  // A new part for each shape, drawn and dimensioned.
  std::vector<Dimension*> Dimensioned(const TopoDS_Shape& shape) {
    Part& part = session().NewPart("\\p\\part" + std::to_string(++parts_) + ".prt");
    sheet = &fabdoc_test::DrawPartSheet(part, shape, "000-1-件");
    DimensionSheet(*sheet);
    return DimensionsOf(*sheet);
  }
  // The texts of the dimensions of one kind, in order.
  static std::vector<std::string> Texts(const std::vector<Dimension*>& dims, DimensionKind kind) {
    std::vector<std::string> texts;
    for (const Dimension* d : dims)
      if (d->kind == kind) texts.push_back(d->text);
    std::sort(texts.begin(), texts.end());
    return texts;
  }
  static const Dimension* WithText(const std::vector<Dimension*>& dims, const std::string& text) {
    for (const Dimension* d : dims)
      if (d->text == text) return d;
    return nullptr;
  }
  std::string ViewName(const Dimension& d) const {
    return text::ToUtf8(dynamic_cast<DraftingView*>(d.owner->FindByPid(d.viewPid))->name);
  }
  // Every text clear of every other, of the views and of the title block, inside the frame.
  void ExpectCleanSheet(const std::vector<Dimension*>& dims) {
    std::vector<PlacedDimension> placed;
    for (const Dimension* d : dims) {
      Proposal p;
      p.text = d->text;
      placed.push_back({p, d->drawn});
      EXPECT_EQ(ViewName(*d).find("ISOMETRIC"), std::string::npos) << d->text << " on the isometric view";
    }
    EXPECT_EQ(CheckPlacement(placed, ObstaclesOf(*sheet)), std::vector<std::string>{});
  }
  DrawingSheet* sheet = nullptr;
  int parts_ = 0;
};

TopoDS_Shape PlateWithHoleGrid(double dx, double dy, double t, double d, int nx, int ny, double pitch) {
  TopoDS_Shape plate = drafting_test::Box(dx, dy, t, -dx / 2, -dy / 2, 0);
  BRep_Builder builder;
  TopoDS_Compound drills;
  builder.MakeCompound(drills);
  for (int i = 0; i < nx; ++i)
    for (int j = 0; j < ny; ++j) {
      const gp_Pnt at(-(nx - 1) * pitch / 2 + i * pitch, -(ny - 1) * pitch / 2 + j * pitch, -1);
      builder.Add(drills, BRepPrimAPI_MakeCylinder(gp_Ax2(at, gp::DZ()), d / 2, t + 2).Shape());
    }
  return BRepAlgoAPI_Cut(plate, drills).Shape();
}

}  // namespace

TEST_F(PartDimensions, APlateGetsItsThreeSizesAndEveryHoleLocatedFromItsEndAndEdge) {
  // 300 x 200 x 10, holes of 18 at x = +-100, y = +-60: from the left end 50 and 250,
  // from the bottom edge 40 and 160; two positions each way are no pitch.
  const auto dims = Dimensioned(drafting_test::PlateWithHoles(300, 200, 10, 18, {{-100, -60}, {100, -60}, {-100, 60}, {100, 60}}));
  EXPECT_EQ(Texts(dims, DimensionKind::Linear), (std::vector<std::string>{"10", "200", "300"}));
  EXPECT_EQ(Texts(dims, DimensionKind::Running), (std::vector<std::string>{"160", "250", "40", "50"}));
  EXPECT_EQ(Texts(dims, DimensionKind::Diameter), std::vector<std::string>{"4×⌀18"});
  const Dimension* diameter = WithText(dims, "4×⌀18");
  EXPECT_EQ(diameter->count, 4);
  EXPECT_DOUBLE_EQ(diameter->value, 18);
  EXPECT_EQ(ViewName(*diameter).rfind("ORTHO", 0), 0u) << "holes along Z show round in the view from above";
  EXPECT_NEAR(WithText(dims, "250")->value, 250, 1e-6);
  ExpectCleanSheet(dims);
}

TEST_F(PartDimensions, EqualPitchesAreWrittenOnceAndAGridOf500HolesCollapses) {
  // A flat bar 600 x 50 x 8, holes of 18 at 150, 300 and 450 from its left end.
  auto dims = Dimensioned(drafting_test::PlateWithHoles(600, 50, 8, 18, {{-150, 0}, {0, 0}, {150, 0}}));
  EXPECT_EQ(Texts(dims, DimensionKind::Running), (std::vector<std::string>{"150", "25"}));
  const Dimension* pitch = WithText(dims, "2×150=300");
  ASSERT_NE(pitch, nullptr);
  EXPECT_EQ(pitch->count, 2);
  EXPECT_DOUBLE_EQ(pitch->value, 150);
  EXPECT_NE(WithText(dims, "3×⌀18"), nullptr);
  ExpectCleanSheet(dims);

  // 25 x 20 holes of 10 at 40 mm in a 1100 x 900 plate: 24 and 19 pitches, one diameter.
  dims = Dimensioned(PlateWithHoleGrid(1100, 900, 10, 10, 25, 20, 40));
  EXPECT_NE(WithText(dims, "24×40=960"), nullptr);
  EXPECT_NE(WithText(dims, "19×40=760"), nullptr);
  EXPECT_NE(WithText(dims, "500×⌀10"), nullptr);
  EXPECT_NE(WithText(dims, "70"), nullptr) << "the first column from the left end: (1100 - 960) / 2";
  EXPECT_NE(WithText(dims, "70"), nullptr);
  ExpectCleanSheet(dims);
}

TEST_F(PartDimensions, AMitredTubeGetsTheCutAngleAndBothSides) {
  // 60 x 60 x 4, top side 800, cut at 45 degrees: the bottom side is 800 - 60 = 740.
  const auto dims = Dimensioned(fabdoc_test::MitredTube(60, 4, 800, 45));
  EXPECT_EQ(Texts(dims, DimensionKind::Linear), (std::vector<std::string>{"740", "800"}));
  ASSERT_EQ(Texts(dims, DimensionKind::Angle), std::vector<std::string>{"45°"});
  for (const Dimension* d : dims)
    if (d->kind == DimensionKind::Angle) {
      EXPECT_NEAR(d->value, 45, 1e-6);
    }
  ExpectCleanSheet(dims);

  // At 30 degrees the bottom side is 800 - 60 / tan 30 = 696.08.
  const auto steep = Dimensioned(fabdoc_test::MitredTube(60, 4, 800, 30));
  EXPECT_NE(WithText(steep, "696.1"), nullptr);
  EXPECT_NE(WithText(steep, "30°"), nullptr);
}

TEST_F(PartDimensions, ABentPlateGetsItsFlatLengthAndBendPosition) {
  // Flats 100 and 150 on the mid-line, one 90 degree bend of inner radius 5 in 5 mm plate:
  // the neutral fibre adds pi/2 x (5 + 0.33 x 5) = 10.45, so the blank is 260.45 long.
  sheet_metal::BentProfile profile;
  profile.thickness = 5;
  profile.innerRadius = 5;
  profile.flats = {100, 150};
  profile.bendsDeg = {90};
  const auto dims = Dimensioned(sheet_metal::BuildBentSection(profile, 80));
  const double flat = 250 + std::numbers::pi / 2 * (5 + sheet_metal::kNeutralFactor * 5);
  const auto flatDim = std::find_if(dims.begin(), dims.end(), [](const Dimension* d) { return d->text.rfind("展开长", 0) == 0; });
  ASSERT_NE(flatDim, dims.end());
  EXPECT_NEAR((*flatDim)->value, flat, 0.01);
  EXPECT_EQ((*flatDim)->text, "展开长260.4");
  EXPECT_EQ(Texts(dims, DimensionKind::Running).size(), 1u) << "one bend, one position";
  EXPECT_NE(WithText(dims, "80"), nullptr) << "the length along the bend, the blank's other side";
  ExpectCleanSheet(dims);
}

TEST_F(PartDimensions, PartsWithoutHolesOrOfFreeformShapeGetTheirSizesOnly) {
  auto dims = Dimensioned(drafting_test::Box(120, 80, 6));
  EXPECT_EQ(Texts(dims, DimensionKind::Linear), (std::vector<std::string>{"120", "6", "80"}));
  EXPECT_EQ(dims.size(), 3u);
  dims = Dimensioned(BRepPrimAPI_MakeSphere(40).Shape());
  EXPECT_EQ(Texts(dims, DimensionKind::Linear), (std::vector<std::string>{"80", "80", "80"}));
  EXPECT_EQ(dims.size(), 3u);
}

TEST_F(PartDimensions, AFirstStopNextToTheDatumKeepsItsTextOffTheDatumCircle) {
  // Holes 10 mm from the left end and 5 mm from the bottom edge: a few sheet mm from the datum.
  const auto dims = Dimensioned(drafting_test::PlateWithHoles(600, 50, 8, 4, {{-290, -20}, {0, -20}, {170, 15}}));
  int stops = 0;
  for (const Dimension* d : dims) {
    if (d->kind != DimensionKind::Running) continue;
    ++stops;
    for (const Dimension* other : dims)
      for (const Arc2& circle : other->drawn.arcs) {
        if (other->kind != DimensionKind::Running) continue;
        const Box2& t = d->drawn.textBox;
        EXPECT_TRUE(t.xmax <= circle.centre.x - circle.radius || circle.centre.x + circle.radius <= t.xmin ||
                    t.ymax <= circle.centre.y - circle.radius || circle.centre.y + circle.radius <= t.ymin)
            << "\"" << d->text << "\" covers the datum circle";
      }
  }
  EXPECT_EQ(stops, 5) << "10, 300, 470 from the end; 5, 40 from the edge";
  EXPECT_NE(WithText(dims, "10"), nullptr);
  EXPECT_NE(WithText(dims, "5"), nullptr);
  ExpectCleanSheet(dims);
}

TEST_F(PartDimensions, BadSheetsAreRefusedNamingThemAndKeepWhatTheyHad) {
  auto refusal = [](DrawingSheet& s) -> std::string {
    try {
      DimensionSheet(s);
    } catch (const HostError& e) {
      return e.what();
    }
    return "";
  };
  // No views, and views never updated.
  Part& part = session().NewPart("\\p\\bad.prt");
  DrawingSheet& empty = AddSheet(part, text::ToGbk("空"), 210, 297);
  EXPECT_NE(refusal(empty).find("sheet \"空\": it has no views"), std::string::npos) << refusal(empty);
  fabdoc_test::AddBox(part, 0, 0, 0, 10, 10, 10);
  AddBaseView(empty, part, "Front", 1, {100, 100});
  EXPECT_NE(refusal(empty).find("was never updated"), std::string::npos) << refusal(empty);
  EXPECT_TRUE(DimensionsOf(empty).empty());

  // A face is a body without volume.
  Part& faces = session().NewPart("\\p\\face.prt");
  DrawingSheet& flat = fabdoc_test::DrawPartSheet(
      faces, BRepBuilderAPI_MakeFace(gp_Pln(gp::Origin(), gp::DZ()), 0, 100, 0, 50).Face(), "面");
  EXPECT_NE(refusal(flat).find("has no volume"), std::string::npos) << refusal(flat);

  // 60 holes at uneven gaps, each on a line of its own: a table of 60 rows finds no room
  // on A4. The sheet keeps the dimensions it had.
  std::vector<Point2> scattered;
  for (int i = 0; i < 60; ++i) scattered.push_back({-280 + i * 9.3 + i % 3 * 2, -140 + i * 4.6 + i % 2 * 1.5});
  const auto dims = Dimensioned(drafting_test::Box(600, 50, 8, -300, -25, 0));
  ASSERT_EQ(dims.size(), 3u);
  Part& other = session().NewPart("\\p\\scattered.prt");
  DrawingSheet& tight = fabdoc_test::DrawPartSheet(other, drafting_test::PlateWithHoles(600, 300, 8, 4, scattered), "散孔");
  const std::string why = refusal(tight);
  EXPECT_NE(why.find("sheet \"散孔\": no room for a hole table of 60 holes (60 rows)"), std::string::npos) << why;
  EXPECT_NE(why.find("left as they were"), std::string::npos) << why;
  EXPECT_TRUE(DimensionsOf(tight).empty());
  EXPECT_TRUE(HoleTablesOf(tight).empty());
  EXPECT_EQ(DimensionsOf(*sheet).size(), 3u);
}

TEST_F(PartDimensions, HolesWithoutRoomForTheirPositionsGoIntoAHoleTableClearOfTheSheet) {
  // 12 holes of 2 in a 600 x 50 flat bar, gaps growing from 3 mm: at this scale their
  // running dimensions find no room, in the view showing them round or beside it.
  std::vector<Point2> crowded;
  std::vector<std::string> fromEnd;
  for (int i = 0; i < 12; ++i) {
    crowded.push_back({-200 + i * (3.0 + i), 0});
    fromEnd.push_back(MmText(300 + crowded.back().x));
  }
  const auto dims = Dimensioned(drafting_test::PlateWithHoles(600, 50, 8, 2, crowded));
  EXPECT_EQ(Texts(dims, DimensionKind::Linear), (std::vector<std::string>{"50", "600", "8"}));
  EXPECT_TRUE(Texts(dims, DimensionKind::Running).empty()) << "the positions are in the table";
  EXPECT_TRUE(Texts(dims, DimensionKind::Diameter).empty()) << "and the diameter";
  const std::vector<HoleTable*> tables = HoleTablesOf(*sheet);
  ASSERT_EQ(tables.size(), 1u);
  const HoleTableGrid& t = tables.front()->grid;
  EXPECT_EQ(t.holes, 12);
  ASSERT_EQ(t.Columns(), 4);
  EXPECT_EQ(t.Cell(0, 0), "孔径");
  // The rows together give every position once, from the left end, all 25 from the edge.
  std::string columns, expected;
  int count = 0;
  for (int r = 1; r < t.Rows(); ++r) {
    EXPECT_EQ(t.Cell(r, 0), "⌀2");
    EXPECT_EQ(t.Cell(r, 3), "25");
    count += std::stoi(t.Cell(r, 1));
    columns += (columns.empty() ? "" : ", ") + t.Cell(r, 2);
  }
  for (const std::string& x : fromEnd) expected += (expected.empty() ? "" : ", ") + x;
  EXPECT_EQ(count, 12);
  EXPECT_EQ(columns, expected);
  // The datum is the corner of the view showing the holes round; the table is clear of
  // the views, the title block, the texts and the dimensions.
  const SheetObstacles obstacles = ObstaclesOf(*sheet);
  const auto view = std::find(obstacles.viewPids.begin(), obstacles.viewPids.end(), t.viewPid);
  ASSERT_NE(view, obstacles.viewPids.end());
  const Box2& shown = obstacles.views[view - obstacles.viewPids.begin()];
  EXPECT_NEAR(t.datum.x, shown.xmin, 1e-6);
  EXPECT_NEAR(t.datum.y, shown.ymin, 1e-6);
  std::vector<PlacedDimension> placed;
  for (const Dimension* d : dims) placed.push_back({Proposal{}, d->drawn});
  PlacedDimension table;
  table.proposal.text = "hole table";
  table.drawn.textBox = t.Box();
  placed.push_back(table);
  EXPECT_EQ(CheckPlacement(placed, obstacles), std::vector<std::string>{});
  for (const Dimension* d : dims)
    for (const Line2& line : d->drawn.lines) {
      Box2 box;
      box.Add(line.start);
      box.Add(line.end);
      EXPECT_TRUE(box.xmax < t.Box().xmin || t.Box().xmax < box.xmin || box.ymax < t.Box().ymin ||
                  t.Box().ymax < box.ymin)
          << d->text << "'s lines run through the table";
    }
}
