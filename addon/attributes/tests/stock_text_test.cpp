// Stock texts: envelope parsing, specification formats, materials and remarks.
// Compiled like the add-on: string literals here are GBK.
#include <gtest/gtest.h>

#include "attributes/stock_text.h"

using namespace kzt;

TEST(StockText, EnvelopeTextRoundTripsItsFiveNumbers) {
  // A 2 x 100 x 300 plate of 468.0 g: 2 * 100 * 300 mm^3 * 7.8e-3 g/mm^3.
  const std::string text = format_envelope(2, 100, 300, 2.0, 468.0);
  EXPECT_EQ(text, "2,100-300-2.0,468.0");
  const Envelope e = parse_envelope(text);
  EXPECT_EQ(e.d0, 2);
  EXPECT_EQ(e.d1, 100);
  EXPECT_EQ(e.d2, 300);
  EXPECT_EQ(e.t, 2.0);
  EXPECT_EQ(e.m, 468.0);
  EXPECT_EQ(format_bent_envelope(3, 120, 455.7, 3, 1279.4), "3.0,120-456-3.0,1279.4");
  const Envelope empty = parse_envelope("");
  EXPECT_EQ(empty.d0 + empty.d1 + empty.d2 + empty.t + empty.m, 0);
  const Envelope garbage = parse_envelope("x,y-z-w,v");
  EXPECT_EQ(garbage.d1, 0) << "text that does not begin with a number reads 0";
}

TEST(StockText, StockTypeSplitsAtFirstAndLastComma) {
  EXPECT_EQ(parse_stock_type("钢板").type, "钢板");
  EXPECT_EQ(parse_stock_type("钢板").middle, "钢板");
  EXPECT_EQ(parse_stock_type("圆钢,两边折弯").middle, "两边折弯");
  const StockType three = parse_stock_type("钢板,折弯,一");
  EXPECT_EQ(three.type, "钢板");
  EXPECT_EQ(three.middle, "折弯");
  EXPECT_EQ(parse_stock_type("a,b,c,d").middle, "b,c");
}

TEST(StockText, SpecificationFormatsPerStockType) {
  EXPECT_EQ(stock_specification("钢板", "2,100-300-2.0,468.0"), "钢板(2.0X100X300)");
  // Square tube 50 x 50 wall 2 length 1200: extents 50, 50, 1200, wall 2.
  EXPECT_EQ(stock_specification("方管", "50,50-1200-2.0,3594.2"), "方管(50X50X2.0-1200)");
  // Rectangular tube 80 x 40: width is the middle extent, height the smallest.
  EXPECT_EQ(stock_specification("矩形管", "40,80-900-3.0,4801.7"), "矩形管(80X40X3.0-900)");
  EXPECT_EQ(stock_specification("角钢", "50,50-700-5.0,2593.5"), "角钢(50X50X5.0-700)");
  EXPECT_EQ(stock_specification("焊管", "48,48-600-3.5,2289.9"), "焊管(Φ48X3.5-600)");
  EXPECT_EQ(stock_specification("无缝钢管,热轧", "48,48-600-3.5,2289.9"), "无缝钢管(Φ48X3.5-600)");
  EXPECT_EQ(stock_specification("扁钢", "8,50-600-8.0,1872.0"), "扁钢(8.0X50-600)");
  EXPECT_EQ(stock_specification("圆钢", "30,30-500-0.0,2756.7"), "圆钢(Φ30-500)");
  // Bent at both ends: 200 + 2 * 10 - 4 * 2.5 = 210.
  EXPECT_EQ(stock_specification("圆钢,两边折弯", "10,10-200-2.5,123.0"), "圆钢(Φ10-210)");
  EXPECT_EQ(stock_specification("圆钢,一边折弯", "10,10-200-2.5,123.0"), "圆钢(Φ10-200)");
  EXPECT_EQ(stock_specification("ZW24钢板网", "2,500-1000-2.0,1.0"), "ZW24钢板网(2X500X1000)");
  EXPECT_EQ(stock_specification("PP板", "5,200-300-5.0,1.0"), "PP板(5X200X300)");
  EXPECT_EQ(stock_specification("", "2,100-300-2.0,468.0"), "") << "an empty type clears the field";
  EXPECT_EQ(stock_specification(",折弯", "2,100-300-2.0,468.0"), "") << "no type part, nothing to format";
}

TEST(StockText, SteelStockTypesAreQ235AndOthersTheirOwnMaterial) {
  for (const char* steel : {"方管", "矩形管", "钢板", "扁钢", "圆钢", "无缝钢管", "角钢", "焊管", "ZW24钢板网"})
    EXPECT_EQ(material_for(steel), "Q235") << steel;
  EXPECT_EQ(material_for("钢板,折弯,二"), "Q235");
  EXPECT_EQ(material_for("PP板"), "PP板");
  EXPECT_EQ(material_for(""), "");
}

TEST(StockText, RemarkRulesFirstMatchWins) {
  const Extents solid{3, 120, 400};
  const Envelope flat = parse_envelope("3.0,120-456-3.0,1279.4");
  bool failed = true;
  EXPECT_EQ(remark_for("GB/T 5782", "钢板,折弯,一", solid, flat, failed), "外购件");
  EXPECT_FALSE(failed);
  EXPECT_EQ(remark_for("P-12", "钢板,折弯,一", solid, flat, failed), "按图制作");
  EXPECT_EQ(remark_for("", "钢板,折弯,一", solid, flat, failed), "一边折弯3外包(120X400)");
  EXPECT_EQ(remark_for("", "钢板,折弯,二", solid, flat, failed), "二边折弯3外包(120X400)");
  EXPECT_EQ(remark_for("", "钢板,折弯,三", solid, flat, failed), "三边折弯3外包(120X400)");
  EXPECT_EQ(remark_for("", "钢板,折弯,四", solid, flat, failed), "四边折弯3外包(120X400)");
  EXPECT_EQ(remark_for("", "钢板,折弯", solid, flat, failed), "折弯3外包(120X400)");
  EXPECT_FALSE(failed);
  // A bent flat bar is named by the middle extent (its leg height).
  const Extents bar{8, 60, 300};
  EXPECT_EQ(remark_for("", "扁钢,折弯,一", bar, flat, failed), "一边折弯60外包(60X300)");
  EXPECT_EQ(remark_for("", "扁钢,折弯,二", bar, flat, failed), "两边折弯60外包(60X300)");
  EXPECT_EQ(remark_for("", "扁钢,折弯", bar, flat, failed), "折弯60外包(60X300)");
  EXPECT_EQ(remark_for("", "钢板", solid, flat, failed), "") << "no bend marker, no remark";
}

TEST(StockText, UnfoldingThatChangedNothingIsReportedAndLeavesNoRemark) {
  const Extents solid{3, 120, 400};
  bool failed = false;
  EXPECT_EQ(remark_for("", "钢板,折弯", solid, parse_envelope("3.0,120-400-3.0,1.0"), failed), "");
  EXPECT_TRUE(failed);
  EXPECT_EQ(remark_for("", "钢板,折弯", solid, parse_envelope("3.0,120-401-3.0,1.0"), failed),
            "折弯3外包(120X400)");
  EXPECT_FALSE(failed);
}

TEST(StockText, MarkersAreFoundOnlyOnCharacterBoundaries) {
  // "一" is 0xD2 0xBB. "耙" (0xB0 0xD2) followed by "弧" (0xBB 0xA1) holds those two
  // bytes across the two characters, which must not count as "一".
  const std::string straddle = "钢板,折弯,\xB0\xD2\xBB\xA1";
  const Extents solid{3, 120, 400};
  bool failed = false;
  EXPECT_EQ(remark_for("", straddle, solid, parse_envelope("3.0,120-456-3.0,1.0"), failed),
            "折弯3外包(120X400)");
}

TEST(StockText, PlateAndFlatBarThicknessKeepsItsDecimal) {
  // The smallest extent is printed to whole millimetres (1.5 and 2.5 both print 2), the
  // thickness to one decimal: the plate text takes the thickness.
  EXPECT_EQ(stock_specification("钢板", "2,200-200-1.5,468.0"), "钢板(1.5X200X200)");
  EXPECT_EQ(stock_specification("扁钢", "2,40-600-2.5,468.0"), "扁钢(2.5X40-600)");
  EXPECT_EQ(stock_specification("钢板", "3,200-200-2.6,468.0"), "钢板(2.6X200X200)");
  // Bent plate: both figures are the blank's thickness with one decimal.
  EXPECT_EQ(stock_specification("钢板,折弯,一", "3.0,256-300-3.0,1804.6"), "钢板(3.0X256X300)");
  // A thickness that is not across the smallest extent (a pocket 5 deep in a 10 mm plate)
  // or none at all: the smallest extent, as always.
  EXPECT_EQ(stock_specification("钢板", "10,200-200-5.0,2496.0"), "钢板(10.0X200X200)");
  EXPECT_EQ(stock_specification("扁钢", "8,50-600-0.0,1872.0"), "扁钢(8.0X50-600)");
}
