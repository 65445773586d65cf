// The sheet tools through their menu actions: sheet numbers in name order in both naming
// modes, the whole-number scale ratio shown by the part report and the title block's
// scale cell, the stock-and-material cell, and the isometric view's style.
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "addon/host/tests/journal_fixture.h"
#include "app/info/part_report.h"
#include "drawing/sheet_tools.h"
#include "drawing/title_block_spec.h"
#include "drawing/view_style.h"
#include "host/attribute_vocabulary.h"
#include "platform/drafting/application.h"
#include "platform/drafting/sheet_ratio.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tabular_note.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/views.h"
#include "platform/files/part_file.h"
#include "platform/files/sheet_template.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

using namespace platform;

namespace {

std::string TemplatePath(const std::string& file) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  return ToAbsoluteHostPath(std::string(source ? source : FABDOC_TEST_SOURCE_DIR) + "/data/kzt-1/bom/" + file);
}

class SheetTools : public kzt_test::CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    part = &session().NewPart(ToHostPath(folder) + "\\frame.prt");
    session().SetDisplayed(part);
  }
  DrawingSheet& Sheet(const std::string& name) { return drafting::AddSheetFromTemplate(*part, TemplatePath("A4_nj.prt"), name); }
  int NumberOf(const std::string& name) { return drafting::FindSheet(*part, name)->number; }
  // The sheet's entry in the part report.
  nlohmann::json Reported(const std::string& name) {
    const nlohmann::json report = fabdoc::app::PartReport(*part);
    for (const auto& sheet : report["sheets"])
      if (sheet["name"] == text::ToUtf8(name)) return sheet;
    return nullptr;
  }
  Part* part = nullptr;
};

}  // namespace

TEST_F(SheetTools, ComponentModeNumbersSheetsInTheTextOrderOfTheirNames) {
  for (const char* name : {"000-2-B", "000-1-A", "000-10-C"}) Sheet(name);
  Run(u8"action bili_yangshi\n");
  EXPECT_EQ(NumberOf("000-1-A"), 1);
  EXPECT_EQ(NumberOf("000-10-C"), 2) << "text order: \"000-10\" before \"000-2\"";
  EXPECT_EQ(NumberOf("000-2-B"), 3);
  EXPECT_EQ(Reported("000-10-C")["number"], 2) << "the part report shows the number";
}

TEST_F(SheetTools, LayerModeNumbersSheetsByTheirLeadingNumber) {
  for (const char* name : {"3-x", "1-y", "12-z", "总图"}) Sheet(name);
  Run(u8"action bili_yangshi\n");
  EXPECT_EQ(NumberOf("总图"), 1) << "a name without a leading number sorts as 0";
  EXPECT_EQ(NumberOf("1-y"), 2);
  EXPECT_EQ(NumberOf("3-x"), 3);
  EXPECT_EQ(NumberOf("12-z"), 4) << "numeric order: 12 after 3";
}

TEST_F(SheetTools, NumbersSurviveASaveAndEqualKeysKeepTheSheetOrder) {
  for (const char* name : {"000-2-B", "000-1-A"}) Sheet(name);
  Run(u8"action bili_yangshi\n");
  files::SavePart(*part, part->path);
  const auto reread = files::ReadPart(part->path);
  EXPECT_EQ(drafting::FindSheet(*reread, "000-1-A")->number, 1);
  EXPECT_EQ(drafting::FindSheet(*reread, "000-2-B")->number, 2);
  // The host refuses two sheets of one name; the order itself keeps such sheets in turn.
  EXPECT_EQ(kzt::sheet_order(1, {"000-1-A", "000-1-A", "000-0-B"}), (std::vector<std::size_t>{2, 0, 1}));
  EXPECT_EQ(kzt::sheet_order(2, {"5-a", "5-b", "2-c"}), (std::vector<std::size_t>{2, 0, 1}));
}

TEST_F(SheetTools, TheCurrentSheetGetsAWholeNumberRatioShownInItsScaleCell) {
  struct Case {
    double scale;
    int numerator, denominator;
    const char* cell;
  };
  for (const Case& c : {Case{0.2, 1, 5, "1:5"}, Case{2.5, 2, 1, "2:1"}, Case{0.04, 1, 25, "1:25"}}) {
    DrawingSheet& sheet = Sheet("000-" + std::to_string(c.numerator) + "-" + std::to_string(c.denominator));
    drafting::SetSheetScale(sheet, c.scale);
    Run(u8"action tuceng_xianshi\n");
    ASSERT_TRUE(sheet.ratio) << c.scale;
    EXPECT_EQ((*sheet.ratio)[0], c.numerator);
    EXPECT_EQ((*sheet.ratio)[1], c.denominator);
    EXPECT_DOUBLE_EQ(sheet.scale, double(c.numerator) / c.denominator);
    EXPECT_EQ(*drafting::ScaleCell(sheet), c.cell) << "the title block's 比例 cell";
    const auto reported = Reported(sheet.name);
    EXPECT_EQ(reported["ratio"][0], c.numerator);
    EXPECT_EQ(reported["ratio"][1], c.denominator);
    EXPECT_NE(fabdoc::app::PartReportText(fabdoc::app::PartReport(*part)).find(std::string(" (") + c.cell + ")"),
              std::string::npos);
  }
  files::SavePart(*part, part->path);
  const auto reread = files::ReadPart(part->path);
  const DrawingSheet& kept = *drafting::FindSheet(*reread, "000-1-5");
  ASSERT_TRUE(kept.ratio) << "the ratio is saved";
  EXPECT_EQ(*drafting::ScaleCell(kept), "1:5");
}

TEST_F(SheetTools, TheSpecificationCellTakesTheDrawnPartsStockAndMaterial) {
  Body& body = fabdoc_test::AddBox(*part, 0, 0, 0, 100, 50, 20);
  body.attributes.Set(kzt::kPartName, "BASE");
  body.attributes.Set(kzt::kRemark, kzt::kMadeToDrawing);
  body.attributes.Set(kzt::kStockSpec, "钢板(3.0X100X300)");
  body.attributes.Set(kzt::kMaterial, "Q345");
  Body& other = fabdoc_test::AddBox(*part, 200, 0, 0, 10, 10, 10);
  other.attributes.Set(kzt::kPartName, "PLATE");
  other.attributes.Set(kzt::kRemark, kzt::kMadeToDrawing);
  other.attributes.Set(kzt::kStockSpec, "圆钢(10)");
  other.attributes.Set(kzt::kMaterial, "Q235");
  DrawingSheet& sheet = Sheet("000-1-BASE");
  TabularNote& block = *drafting::NotesOf(sheet).at(0);
  block.Cell(1, 1) = "钢板(2.0X100X300)-Q235";  // as drawing production filled it
  drafting::SetApplication(drafting::Application::Drafting);
  Run(u8"action tuceng_xianshi\n");
  EXPECT_EQ(block.Cell(1, 1), "钢板(3.0X100X300)-Q345") << "the BASE body's entry, not PLATE's";
  EXPECT_EQ(kzt::sheet_part_key(1, "000-1-BASE"), "BASE");
  EXPECT_EQ(kzt::sheet_part_key(2, "115-FRAME-2"), "FRAME");
  EXPECT_EQ(kzt::sheet_part_key(2, "117-A"), "A");
  EXPECT_EQ(kzt::sheet_part_key(2, "总图"), "");
}

TEST_F(SheetTools, WithoutASpecificationCellTheTitleBlockIsKept) {
  Body& body = fabdoc_test::AddBox(*part, 0, 0, 0, 100, 50, 20);
  body.attributes.Set(kzt::kPartName, "BASE");
  body.attributes.Set(kzt::kRemark, kzt::kMadeToDrawing);
  DrawingSheet& sheet = Sheet("000-1-BASE");
  const std::vector<std::string> before = drafting::NotesOf(sheet).at(0)->cells;
  drafting::SetApplication(drafting::Application::Drafting);
  Run(u8"action tuceng_xianshi\n");
  std::vector<std::string> after = drafting::NotesOf(sheet).at(0)->cells;
  after[5] = before[5];  // the scale cell follows the ratio
  EXPECT_EQ(after, before);
}

TEST_F(SheetTools, TheIsometricViewLosesItsHiddenLinesAndKeepsItsScale) {
  fabdoc_test::AddBox(*part, 0, 0, 0, 100, 50, 20);
  DrawingSheet& sheet = Sheet("000-1-A");
  drafting::SetSheetScale(sheet, 0.816667);
  DraftingView& front = drafting::AddBaseView(sheet, *part, "Front", 0.816667, {70, 211});
  DraftingView& iso = drafting::AddBaseView(sheet, *part, "Isometric", 0.245, {160, 150});
  drafting::UpdateOutOfDateViews(sheet);
  ASSERT_EQ(iso.name.find("ISOMETRIC"), 0u) << iso.name;
  Run(u8"action tuceng_xianshi\n");
  EXPECT_EQ(iso.hiddenLineFont, 0);
  EXPECT_EQ(iso.shadingStyle, 0);
  EXPECT_DOUBLE_EQ(iso.scale, 0.245);
  EXPECT_FALSE(drafting::IsOutOfDate(iso)) << "its scale set back to what it was changes nothing drawn";
  EXPECT_FALSE(front.hiddenLineFont) << "only the isometric view is restyled";
  EXPECT_EQ(*drafting::ScaleCell(sheet), "1:1") << "1 / 0.816667 truncates to 1";
  const auto views = Reported("000-1-A")["views"];
  EXPECT_EQ(views[1]["hidden_line_font"], 0);
  EXPECT_FALSE(views[0].contains("hidden_line_font"));
}

TEST(SheetScaleRatio, TruncatesInSinglePrecision) {
  EXPECT_EQ(kzt::whole_scale_ratio(0.2), std::make_pair(1, 5));
  EXPECT_EQ(kzt::whole_scale_ratio(2.5), std::make_pair(2, 1));
  EXPECT_EQ(kzt::whole_scale_ratio(1.0), std::make_pair(1, 1));
  EXPECT_EQ(kzt::whole_scale_ratio(0.1), std::make_pair(1, 10)) << "1/0.1 is just under 10 in double, 10 in single";
  EXPECT_EQ(kzt::whole_scale_ratio(0.3), std::make_pair(1, 3));
}
