// Host calls that fail where the model would be left half-changed are shown to the
// user, naming what failed, and nothing is made in their place. Literals are GBK.
#include <uf_obj.h>

#include "addon/host/tests/journal_fixture.h"
#include "host/attribute_vocabulary.h"
#include "host/assembly_walks.h"
#include "host/body_link.h"
#include "host/object_attributes.h"

using fabdoc_test::AddBox;

namespace {

// A body that existed and has been deleted: its tag is no longer live.
tag_t DeletedBody(platform::Session& session) {
  platform::Part& part = session.NewPart("\\p\\gone.prt");
  const tag_t tag = AddBox(part, 0, 0, 0, 10, 10, 10, "gone").GetTag();
  UF_OBJ_delete_object(tag);
  return tag;
}

}  // namespace

class HostFailures : public kzt_test::CommandTest {};

TEST_F(HostFailures, AnAttributeTheHostRefusesIsShownNamingTitleAndObject) {
  const tag_t gone = DeletedBody(session());
  EXPECT_FALSE(kzt::assign_string_attribute(gone, kzt::kPartName, "底板"));
  const std::vector<std::string> shown = Shown("message");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].rfind(Utf8("属性 DB_PART_NAME 未能写入对象 " + std::to_string(gone) + ":\n"), 0), 0u) << shown[0];
  EXPECT_GT(shown[0].size(), Utf8("属性 DB_PART_NAME 未能写入对象 :\n").size() + 8) << "with the host's reason";

  platform::Part& part = session().NewPart("\\p\\kept.prt");
  const tag_t body = AddBox(part, 0, 0, 0, 10, 10, 10, "kept").GetTag();
  EXPECT_TRUE(kzt::assign_string_attribute(body, kzt::kPartName, "底板"));
  EXPECT_EQ(kzt::得到体的属性(body, kzt::kPartName), "底板");
  EXPECT_EQ(Shown("message").size(), 1u) << "a write that succeeds shows nothing";
}

TEST_F(HostFailures, ALinkTheHostRefusesIsShownAndGivesNoBody) {
  const tag_t gone = DeletedBody(session());
  platform::Part& work = session().NewPart("\\p\\work.prt");
  session().SetDisplayed(&work);
  tag_t feature = 1;
  EXPECT_FALSE(kzt::link_body(gone, NULL_TAG, work.GetTag(), feature));
  EXPECT_EQ(feature, NULL_TAG);
  EXPECT_TRUE(work.Objects().empty()) << "nothing was linked";
  const std::vector<std::string> shown = Shown("message");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].rfind(Utf8("体 " + std::to_string(gone) + " 未能链接到工作部件:\n"), 0), 0u) << shown[0];
}

TEST_F(HostFailures, ACylinderTheHostRefusesIsShownAndTheDialogGoesOn) {
  Run(u8R"J(
new 圆柱.prt
action TWO_CYL_tool
  set point0 0,0,0
  set point01 0,0,500
  set expression0 0
  apply
  set expression0 20
  ok
)J");
  const std::vector<std::string> shown = Shown("message");
  ASSERT_EQ(shown.size(), 1u) << "the refused cylinder, and only it";
  EXPECT_EQ(shown[0].rfind(Utf8("圆柱未能创建 (直径 0.000000, 高 500.000000):\n"), 0), 0u) << shown[0];
  std::vector<tag_t> bodies;
  kzt::得到工作所有的体(session().Displayed()->GetTag(), bodies);
  EXPECT_EQ(bodies.size(), 1u) << "only the second apply made a cylinder";
}
