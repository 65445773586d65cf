// The rules of drawing production that need no host: file-name parsing, the scale rule
// and its gaps, the view layout, layer masks and title-block placeholders. Literals are
// GBK, as in the add-on.
#include <gtest/gtest.h>

#include "drawing/drawing_names.h"
#include "drawing/isometric_place.h"
#include "drawing/layer_mask.h"
#include "drawing/scale_rule.h"
#include "drawing/title_block_text.h"
#include "drawing/view_layout.h"

using namespace kzt;

TEST(DrawingNames, PartAndSubAssemblyFileNamesGiveNameNumberAndSheet) {
  struct Case { bool subAssembly; const char *file, *name, *number, *sheet; };
  const Case cases[] = {
      {false, "P-BASE-7", "BASE", "7", "000-7-BASE"},    // NAME-N: split from no numbered parent
      {false, "P-BASE-2-7", "BASE", "2-7", "2-7-BASE"},  // NAME-G-N: G is the parent's number
      {false, "底板-3-1", "底板", "3-1", "3-1-底板"},    // as batch components name them
      {false, "BASE-7", "BASE", "7", "000-7-BASE"},      // nothing before NAME-N
      {false, "BASE", "", "", ""},                       // no hyphen: only the path
      {true, "P-FRAME-3", "FRAME", "3", "3-0组件-FRAME"},
      {true, "机架-12", "机架", "12", "12-0组件-机架"},
      // A last segment that is not all digits gives no number: the prefix then stands with
      // a lone hyphen in the drawing number, and the batch skips the component.
      {true, "P-FRAME-A3", "FRAME", "", "-0组件-FRAME"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path = std::string("D:\\p\\") + c.file + ".prt";
    const ParsedName p = c.subAssembly ? parse_subassembly_name(c.file, path) : parse_part_name(c.file, path);
    EXPECT_EQ(p.name, c.name);
    EXPECT_EQ(p.number, c.number);
    EXPECT_EQ(p.sheetName, c.sheet);
    EXPECT_EQ(p.path, path);
    EXPECT_EQ(p.fileName, c.file);
  }
}

TEST(DrawingNames, AllDigitsCountsBytesAndAcceptsTheEmptyText) {
  EXPECT_TRUE(is_all_digits("0123"));
  EXPECT_TRUE(is_all_digits(""));
  EXPECT_FALSE(is_all_digits("12a"));
  EXPECT_FALSE(is_all_digits("１２"));  // full-width digits are GBK double bytes
}

TEST(DrawingNames, LayerModeReplacesTheProductPrefix) {
  EXPECT_EQ(replace_product_prefix("XJ-01", "OLD-4-2"), "XJ-01-4-2");
  EXPECT_EQ(replace_product_prefix("XJ-01", "12"), "") << "an unnumbered body is left alone";
  // The suffix keeps at most (hyphen position + 20) bytes: 1 + 20 = 21 here.
  EXPECT_EQ(replace_product_prefix("P", "A-123456789012345678901234"), "P-123456789012345678901");
  // ...never splitting a double-byte character: 21 bytes hold ten of them, not ten and a half.
  EXPECT_EQ(replace_product_prefix("P", "A-底底底底底底底底底底底底"), "P-底底底底底底底底底底");
}

// Each figure follows from the rule's steps; the 100 x 50 x 20 case on A4:
// WX 150, HY 70; s1 1.4, s2 4.242857; g1 64.2857, g2 36.5320; t1 0.98, t2 2.7878;
// scale 0.98 / 1.2; gap x (210 - 122.5) / 3; gap y (297 - 57.1667 - 55 - 29.1667) / 2.
TEST(ScaleRule, FiguresOfThePartAndSubAssemblyFormats) {
  EXPECT_NEAR(fit_scale(kPartA4, {100, 50, 20}).scale, 0.98 / 1.2, 1e-9);
  struct Case { const SheetFormat* format; Extents e; double scale, gapX, gapY; };
  const Case cases[] = {{&kPartA4, {100, 50, 20}, 0.816667, 29.1667, 77.8333},
                        {&kSubAssemblyA3, {2000, 1000, 800}, 0.096078, 43.9216, 30.0686},
                        {&kSubAssemblyA3, {600, 400, 300}, 0.258012, 53.9961, 21.1979}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.e[0]);
    const ScaleFit fit = fit_scale(*c.format, c.e);
    EXPECT_NEAR(fit.scale, c.scale, 5e-7);
    EXPECT_NEAR(fit.gapX, c.gapX, 5e-5);
    EXPECT_NEAR(fit.gapY, c.gapY, 5e-5);
  }
}

TEST(ScaleRule, FormatsDifferOnlyInTheirConstants) {
  // The general-arrangement and sub-assembly formats share the rule's constants.
  const ScaleFit ga = fit_scale(kGeneralArrangementA3, {600, 400, 300});
  const ScaleFit sub = fit_scale(kSubAssemblyA3, {600, 400, 300});
  EXPECT_DOUBLE_EQ(ga.scale, sub.scale);
  EXPECT_STREQ(kGeneralArrangementA3.templatePath, "\\kzt-1\\bom\\A3_zong.prt");
  EXPECT_STREQ(kSubAssemblyA3.templatePath, "\\kzt-1\\bom\\A3_bujian.prt");
  EXPECT_STREQ(kPartA4.templatePath, "\\kzt-1\\bom\\A4_nj.prt");
}

TEST(ScaleRule, EqualCandidatesTakeTheDownwardOne) {
  // A square format with equal reserves makes both candidates equal for a cube.
  const SheetFormat square{"", 300, 300, 60, 60, 20};
  const ScaleFit fit = fit_scale(square, {100, 100, 100});
  // t = 300 / (200 + 60 * 200 / 300) = 300 / 240 = 1.25, either way; scale = 1.25 / 1.2.
  EXPECT_NEAR(fit.scale, 1.25 / 1.2, 1e-12);
}

TEST(ScaleRule, NothingToFitGivesNoScale) {
  ExtentsAccumulator none;
  const Extents e = none.Result();
  EXPECT_EQ(e, (Extents{-20000, -20000, -20000}));
  EXPECT_LE(fit_scale(kGeneralArrangementA3, e).scale, 0) << "component mode then draws at 1.0";
}

TEST(ScaleRule, ExtentsAreTheUnionOfTheBoxes) {
  ExtentsAccumulator acc;
  const double a[6] = {0, 0, 0, 100, 50, 20};
  const double b[6] = {-30, 10, 5, 60, 80, 10};
  acc.Widen(a);
  acc.Widen(b);
  EXPECT_EQ(acc.Result(), (Extents{130, 80, 20}));
  // Beyond the starting corner the extent is measured from the limit.
  ExtentsAccumulator far;
  const double c[6] = {20000, 0, 0, 20100, 1, 1};
  far.Widen(c);
  EXPECT_DOUBLE_EQ(far.Result()[0], 20100 - 10000);
}

TEST(ViewLayout, FourViewsOfThePartOnA4) {
  const ScaleFit fit = fit_scale(kPartA4, {100, 50, 20});
  const ViewLayout v = layout_views({100, 50, 20}, fit.gapX, fit.gapY, fit.scale);
  EXPECT_NEAR(v.front.x, 70, 5e-4);
  EXPECT_NEAR(v.front.y, 211, 5e-4);
  EXPECT_NEAR(v.below.x, 70, 5e-4);
  EXPECT_NEAR(v.below.y, 153.25, 5e-4);
  EXPECT_NEAR(v.right.x, 160.417, 5e-4);
  EXPECT_NEAR(v.right.y, 211, 5e-4);
  EXPECT_NEAR(v.isometric.x, 160.417, 5e-4);
  EXPECT_NEAR(v.isometric.y, 153.25, 5e-4);
  EXPECT_NEAR(v.isometricScale, 0.245, 5e-7);
}

TEST(ViewLayout, ViewsKeepTheGapsBetweenThem) {
  // Front 81.67 wide, right view 40.83 wide: gap, front, gap, right view, gap fill 210.
  const ScaleFit fit = fit_scale(kPartA4, {100, 50, 20});
  const ViewLayout v = layout_views({100, 50, 20}, fit.gapX, fit.gapY, fit.scale);
  const double frontRight = v.front.x + 100 * fit.scale / 2;
  const double rightLeft = v.right.x - 50 * fit.scale / 2;
  EXPECT_NEAR(rightLeft - frontRight, fit.gapX, 1e-9);
  EXPECT_NEAR(210 - (v.right.x + 50 * fit.scale / 2), fit.gapX, 1e-9);
  // Above the front view and below the lower view's band (which ends at 55): the
  // vertical gap. Between the two views what is left: 242 - 2 gapY - (E1 + E2) s, which
  // the gap rule makes TB + gapX - 55, on A4 (TB 55) the horizontal gap.
  EXPECT_NEAR(297 - (v.front.y + 20 * fit.scale / 2), fit.gapY, 1e-9);
  EXPECT_NEAR(v.below.y - 50 * fit.scale / 2 - 55, fit.gapY, 1e-9);
  const double frontBottom = v.front.y - 20 * fit.scale / 2;
  const double belowTop = v.below.y + 50 * fit.scale / 2;
  EXPECT_NEAR(frontBottom - belowTop, fit.gapX, 1e-9);
}

TEST(ViewLayout, TallModelsKeepTheirViewsInsideTheFrame) {
  // The rule's own gap for these is 1.84 mm (the example's frame), -13.2 mm and 5.58 mm:
  // the front views would cross the frame line or leave the sheet. The scale stays the rule's.
  struct Case { const SheetFormat* format; Extents e; double scale, ruleGapY; };
  const Case cases[] = {{&kSubAssemblyA3, {900, 600, 1310}, 0.0945592, 1.83575},
                        {&kSubAssemblyA3, {500, 500, 3000}, 0.0516023, -13.2037},
                        {&kPartA4, {50, 50, 3000}, 0.0533204, 5.57507}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.e[2]);
    const ScaleFit fit = fit_scale(*c.format, c.e);
    EXPECT_NEAR(fit.scale, c.scale, 5e-7);
    EXPECT_NEAR((c.format->height - (c.e[1] + c.e[2]) * fit.scale - c.format->titleBand - fit.gapX) / 2, c.ruleGapY, 5e-4);
    EXPECT_EQ(fit.gapY, kLeastGapY);
    const ViewLayout v = layout_views(c.e, fit.gapX, fit.gapY, fit.scale);
    const double frontTop = v.front.y + c.e[2] * fit.scale / 2, frontBottom = v.front.y - c.e[2] * fit.scale / 2;
    const double belowTop = v.below.y + c.e[1] * fit.scale / 2, belowBottom = v.below.y - c.e[1] * fit.scale / 2;
    EXPECT_LE(frontTop, c.format->height - 5 - 5) << "5 mm inside the frame";
    EXPECT_GT(frontBottom - belowTop, 40) << "the rows still apart";
    EXPECT_GE(belowBottom, kLayoutBottom) << "clear of the title-block band";
  }
}

TEST(IsometricPlace, StaysWhenClearMovesTheLeastOffTheTitleBlockAndShrinksOnlyWhenTooBig) {
  // A3 (420 wide): frame x 25..415, y 5..292; title block x 235..415, y 5..37. The other
  // views of the flat gate (1100 x 10 x 1000 mm at 0.178819): front x 73.8..270.5, y
  // 106.9..285.7; below y 66.3..68.1; right x 344.3..346.1.
  EXPECT_EQ(title_block_of(420).xmin, 235);
  EXPECT_EQ(title_block_of(420).ymax, 37);
  EXPECT_EQ(title_block_of(210).xmin, 25) << "on A4 the block spans the frame";
  const SheetBox front{73.8, 106.9, 270.5, 285.7}, below{73.8, 66.3, 270.5, 68.1}, right{344.3, 106.9, 346.1, 285.7};
  // Clear of everything: left where the layout put it.
  IsometricPlace place = place_isometric({320, 45, 360, 95}, front, below, right, 420);
  EXPECT_EQ(place.factor, 1);
  EXPECT_DOUBLE_EQ(place.centre.x, 340);
  EXPECT_DOUBLE_EQ(place.centre.y, 70);
  // 50 mm tall across the block's top edge: up by the least, 5 mm clear of it.
  place = place_isometric({320, 30, 360, 80}, front, below, right, 420);
  EXPECT_EQ(place.factor, 1);
  EXPECT_DOUBLE_EQ(place.centre.x, 340);
  EXPECT_DOUBLE_EQ(place.centre.y, 37 + 5 + 25);
  // The gate's isometric view, 68.1 mm tall: the space between the block and the right
  // view is 106.9 - 5 - (37 + 5) = 59.9 mm, so it shrinks to fit and fills it.
  place = place_isometric({324, 33.1, 366, 101.2}, front, below, right, 420);
  EXPECT_NEAR(place.factor, 59.9 / 68.1, 1e-12);
  EXPECT_NEAR(place.centre.y, (42 + 101.9) / 2, 1e-9);
  EXPECT_DOUBLE_EQ(place.centre.x, 345);
  // Past the frame's right edge: back inside, 5 mm from it.
  place = place_isometric({390, 60, 430, 100}, front, below, right, 420);
  EXPECT_DOUBLE_EQ(place.centre.x, 415 - 5 - 20);
}

TEST(LayerMask, GeneralArrangementBandAndSingleLayer) {
  const LayerMask ga = general_arrangement_mask();
  EXPECT_EQ(ga[89], 1);
  EXPECT_EQ(ga[88], 0);
  EXPECT_EQ(ga[98], 0) << "layer 99";
  EXPECT_EQ(ga[99], 1) << "layer 100";
  EXPECT_EQ(ga[248], 1) << "layer 249";
  EXPECT_EQ(ga[249], 0) << "layer 250";
  int visible = 0;
  for (int v : ga) visible += v;
  EXPECT_EQ(visible, 1 + 150);

  const LayerMask band = band_mask(130);
  for (int layer = 1; layer <= 256; ++layer)
    EXPECT_EQ(band[layer - 1], layer >= 130 && layer <= 144 ? 1 : 0) << "layer " << layer;

  const LayerMask top = band_mask(250);  // the band is cut at layer 256
  int topVisible = 0;
  for (int v : top) topVisible += v;
  EXPECT_EQ(topVisible, 7);

  const LayerMask one = single_layer_mask(131);
  EXPECT_EQ(one[130], 1);
  EXPECT_EQ(one[129] + one[131], 0);
  const LayerMask none = single_layer_mask(0);
  for (int v : none) EXPECT_EQ(v, 0);
}

TEST(TitleBlock, FirstPlaceholderInOrderDecidesAndReplacesTheWholeCell) {
  const TitleBlockValues v{"钢板(2.0X100X300)-Q235", "-3-1", "底板", "2", "4"};
  EXPECT_EQ(title_block_replacement("定义数量件", v), "2");
  EXPECT_EQ(title_block_replacement("定义数量 定义材料", v), "钢板(2.0X100X300)-Q235")
      << "material is tested before quantity";
  EXPECT_EQ(title_block_replacement("定义后图号", v), "-3-1");
  EXPECT_EQ(title_block_replacement("定义总数", v), "4");
  EXPECT_EQ(title_block_replacement("定义图纸名称", v), "底板");
  EXPECT_FALSE(title_block_replacement("设计", v).has_value());
  EXPECT_FALSE(title_block_replacement("", v).has_value());
}
