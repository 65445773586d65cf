// Parts lists through the C interface: members added by tag, rows on update, refusals.
#include <uf.h>
#include <uf_plist.h>

#include "platform/api/guard.h"
#include "platform/drafting/parts_list.h"
#include "platform/files/sheet_template.h"
#include "platform/text/host_path.h"
#include "tests/support/api_fixture.h"

using namespace platform;

class PartsListCalls : public fabdoc_test::ApiTest {
protected:
  void SetUp() override {
    ApiTest::SetUp();
    part = &session().NewPart("\\p\\frame.prt");
    session().SetDisplayed(part);
    const char* source = std::getenv("FABDOC_SOURCE_DIR");
    DrawingSheet& sheet = drafting::AddSheetFromTemplate(
        *part, ToAbsoluteHostPath(std::string(source ? source : ".") + "/data/kzt-1/bom/A3_zong.prt"), "GA");
    list = &drafting::AddPartsList(sheet, {300, 200});
  }
  Part* part = nullptr;
  PartsList* list = nullptr;
};

TEST_F(PartsListCalls, AddedBodiesBecomeRowsOnUpdateOnly) {
  Body& a = fabdoc_test::AddBox(*part, 0, 0, 0, 1, 1, 1, "A");
  Body& b = fabdoc_test::AddBox(*part, 5, 0, 0, 1, 1, 1, "B");
  ASSERT_EQ(UF_PLIST_add_object(list->GetTag(), false, b.GetTag()), 0);
  ASSERT_EQ(UF_PLIST_add_object(list->GetTag(), false, a.GetTag()), 0);
  EXPECT_EQ(list->Rows(), 1) << "rows follow on update";
  ASSERT_EQ(UF_PLIST_update(list->GetTag()), 0);
  ASSERT_EQ(list->Rows(), 3);
  EXPECT_EQ(list->Cell(1, 1), "B") << "in the order added";
  EXPECT_EQ(list->Cell(2, 0), "2");
  session().Delete(b.GetTag());
  ASSERT_EQ(UF_PLIST_update(list->GetTag()), 0);
  ASSERT_EQ(list->Rows(), 2);
  EXPECT_EQ(list->Cell(1, 0), "1") << "renumbered";
  EXPECT_EQ(list->Cell(1, 1), "A");
}

TEST_F(PartsListCalls, RefusalsNameTheObjectAndAddNothing) {
  Part& other = session().NewPart("\\p\\other.prt");
  Body& foreign = fabdoc_test::AddBox(other, 0, 0, 0, 1, 1, 1, "F");
  EXPECT_EQ(UF_PLIST_add_object(list->GetTag(), false, foreign.GetTag()), static_cast<int>(HostStatus::InvalidArgument));
  EXPECT_NE(api::LastFailure().text.find(std::to_string(foreign.GetTag())), std::string::npos);
  Body& own = fabdoc_test::AddBox(*part, 0, 0, 0, 1, 1, 1, "A");
  EXPECT_NE(UF_PLIST_add_object(own.GetTag(), false, own.GetTag()), 0) << "a body is no parts list";
  EXPECT_NE(UF_PLIST_update(own.GetTag()), 0);
  EXPECT_TRUE(list->memberKeys.empty());
}
