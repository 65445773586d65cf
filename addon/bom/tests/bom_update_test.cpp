// The BOM update: picked bodies go into the first parts list of the current sheet,
// which is renumbered after each addition.
#include "addon/host/tests/journal_fixture.h"
#include "app/info/part_report.h"
#include "bom/zidongbom.hpp"
#include "platform/drafting/application.h"
#include "platform/drafting/parts_list.h"
#include "platform/drafting/sheets.h"
#include "platform/files/sheet_template.h"
#include "platform/text/host_path.h"

using namespace platform;
using fabdoc_test::AddBox;

class BomUpdate : public kzt_test::CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    part = &session().NewPart("\\p\\frame.prt");
    session().SetDisplayed(part);
    AddBox(*part, 0, 0, 0, 10, 10, 10, "A");
    AddBox(*part, 50, 0, 0, 10, 10, 10, "B");
    AddBox(*part, 100, 0, 0, 10, 10, 10, "A");
    sheet = &drafting::AddSheetFromTemplate(
        *part, ToAbsoluteHostPath(std::string(FABDOC_TEST_SOURCE_DIR) + "/data/kzt-1/bom/A3_zong.prt"), "GA");
    drafting::SetApplication(drafting::Application::Drafting);
  }
  void TearDown() override {
    drafting::SetApplication(drafting::Application::Modeling);
    CommandTest::TearDown();
  }
  static std::vector<std::string> Row(const PartsList& list, int row) {
    return {list.Cell(row, 0), list.Cell(row, 1), list.Cell(row, 2)};
  }
  Part* part = nullptr;
  DrawingSheet* sheet = nullptr;
};

TEST_F(BomUpdate, BodiesJoinTheFirstListRenumberedAndTwiceCountsTwice) {
  PartsList& first = drafting::AddPartsList(*sheet, {300, 200});
  PartsList& second = drafting::AddPartsList(*sheet, {300, 100});
  EXPECT_EQ(find_parts_list(), first.GetTag()) << "the first list the view cycle meets";
  Run(u8R"J(
action genxinbom
  select selection0 body:A#1 body:B body:A#2
  apply
  cancel
)J");
  ASSERT_EQ(first.Rows(), 3) << "header, A, B";
  EXPECT_EQ(Row(first, 1), (std::vector<std::string>{"1", "A", "2"}));
  EXPECT_EQ(Row(first, 2), (std::vector<std::string>{"2", "B", "1"}));
  EXPECT_EQ(second.Rows(), 1) << "the second list is left alone";
  Run(u8R"J(
action genxinbom
  select selection0 body:B
  ok
)J");
  EXPECT_EQ(Row(first, 2), (std::vector<std::string>{"2", "B", "2"})) << "added again";
  // fabdoc info shows the list as it now is.
  const std::string info = fabdoc::app::PartReportText(fabdoc::app::PartReport(*part));
  EXPECT_NE(info.find("parts list\n      PC NO | PART NAME | QTY\n      1 | A | 2\n      2 | B | 2\n"), std::string::npos)
      << info;
  EXPECT_TRUE(Shown("message").empty());
  EXPECT_TRUE(Shown("error box").empty());
}

TEST_F(BomUpdate, EmptySelectionChangesNothing) {
  PartsList& list = drafting::AddPartsList(*sheet, {300, 200});
  Run(u8R"J(
action genxinbom
  select selection0 none
  ok
)J");
  EXPECT_EQ(list.Rows(), 1) << "only the header";
  EXPECT_TRUE(list.memberKeys.empty());
}

TEST_F(BomUpdate, NoPartsListChangesNothingAndSaysNothing) {
  EXPECT_EQ(find_parts_list(), kNullTag);
  Run(u8R"J(
action genxinbom
  select selection0 body:A#1
  ok
)J");
  EXPECT_TRUE(Shown("message").empty());
  EXPECT_TRUE(Shown("error box").empty());
  drafting::SetApplication(drafting::Application::Modeling);
  drafting::AddPartsList(*sheet, {300, 200});
  EXPECT_EQ(find_parts_list(), kNullTag) << "outside drafting the work view is a model view";
}
