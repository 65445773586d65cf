// Parts through the C interface: new, save, close, open, save as, names and lookups.
#include <uf_attr.h>
#include <uf_modl.h>
#include <uf_obj.h>
#include <uf_part.h>

#include <filesystem>
#include <fstream>

#include "tests/support/api_fixture.h"
#include "platform/text/host_path.h"

using namespace platform;
using namespace fabdoc_test;

namespace {
std::string PartName(tag_t part) {
  char name[MAX_FSPEC_BUFSIZE];
  EXPECT_EQ(UF_PART_ask_part_name(part, name), 0);
  return name;
}
}  // namespace

class PartCalls : public ApiTest {
protected:
  void SetUp() override {
    ApiTest::SetUp();
    local = FreshDir("parts");
    host = ToHostPath(local);
  }
  std::string local, host;
};

TEST_F(PartCalls, NewPartIsDisplayedSavedClosedAndOpenedAgain) {
  const std::string path = host + "\\" + Gbk("机架-1.prt");
  tag_t part = NULL_TAG;
  ASSERT_EQ(UF_PART_new(path.c_str(), UF_PART_METRIC, &part), 0);
  EXPECT_EQ(UF_PART_ask_display_part(), part);
  EXPECT_EQ(PartName(part), path);
  double origin[3] = {0, 0, 0}, direction[3] = {0, 0, 1};
  tag_t feature = NULL_TAG;
  ASSERT_EQ(UF_MODL_create_cyl1(UF_NULLSIGN, origin, "100", "20", direction, &feature), 0);
  UF_ATTR_value_t value;
  value.type = UF_ATTR_string;
  value.value.string = const_cast<char*>("P-1");
  UF_ATTR_assign(part, "DB_PART_NO", value);

  ASSERT_EQ(UF_PART_save(), 0);
  EXPECT_TRUE(std::filesystem::exists(local + "/机架-1.prt"));
  ASSERT_EQ(UF_PART_close(part, UF_PART_close_scope_this_part, UF_PART_close_mode_unload), 0);
  EXPECT_EQ(UF_PART_ask_display_part(), NULL_TAG);
  EXPECT_EQ(UF_OBJ_ask_status(part), UF_OBJ_DELETED);

  UF_PART_load_status_t status;
  tag_t reopened = NULL_TAG;
  ASSERT_EQ(UF_PART_open(path.c_str(), &reopened, &status), 0);
  EXPECT_FALSE(status.failed);
  UF_PART_free_load_status(&status);
  EXPECT_NE(reopened, part) << "tags are not reused";
  EXPECT_EQ(UF_PART_ask_display_part(), reopened);
  EXPECT_EQ(UF_PART_ask_part_tag(Gbk("机架-1.prt").c_str()), reopened) << "found by its file name";
  EXPECT_EQ(UF_PART_ask_part_tag(path.c_str()), reopened);
  EXPECT_EQ(UF_PART_ask_part_tag((host + "\\other\\" + Gbk("机架-1.prt")).c_str()), NULL_TAG);
  EXPECT_EQ(UF_PART_is_loaded(path.c_str()), 1);
  int bodies = 0;
  for (tag_t b = UF_OBJ_cycle_objs_in_part(reopened, UF_solid_type, NULL_TAG); b;
       b = UF_OBJ_cycle_objs_in_part(reopened, UF_solid_type, b))
    ++bodies;
  EXPECT_EQ(bodies, 1);
  EXPECT_EQ(UF_PART_cleanup(UF_PART_cleanup_unused_objects), 0);
}

TEST_F(PartCalls, NewRefusesAnExistingFileAndOpenReportsAMissingOne) {
  const std::string path = host + "\\a.prt";
  std::ofstream(local + "/a.prt") << "not a part";
  tag_t part = NULL_TAG;
  EXPECT_NE(UF_PART_new(path.c_str(), UF_PART_METRIC, &part), 0);
  EXPECT_EQ(part, NULL_TAG);
  EXPECT_NE(UF_PART_new((host + "\\b.prt").c_str(), UF_PART_ENGLISH, &part), 0);

  UF_PART_load_status_t status;
  EXPECT_NE(UF_PART_open(path.c_str(), &part, &status), 0) << "not a part file of ours";
  EXPECT_TRUE(status.failed);
  ASSERT_EQ(status.n_parts, 1);
  EXPECT_STREQ(status.file_names[0], path.c_str());
  EXPECT_NE(status.statuses[0], 0);
  UF_PART_free_load_status(&status);
  EXPECT_NE(UF_PART_open((host + "\\missing.prt").c_str(), &part, nullptr), 0);
  EXPECT_EQ(UF_PART_ask_display_part(), NULL_TAG);
}

TEST_F(PartCalls, SaveAsWritesTheNewFileAndTheWorkPartTakesItsName) {
  tag_t part = NULL_TAG;
  ASSERT_EQ(UF_PART_new((host + "\\old.prt").c_str(), UF_PART_METRIC, &part), 0);
  ASSERT_EQ(UF_PART_save(), 0);
  const std::string renamed = host + "\\" + Gbk("新-1.prt");
  ASSERT_EQ(UF_PART_save_as(renamed.c_str()), 0);
  EXPECT_EQ(PartName(part), renamed);
  EXPECT_TRUE(std::filesystem::exists(local + "/新-1.prt"));
  EXPECT_TRUE(std::filesystem::exists(local + "/old.prt")) << "the old file stays";
  EXPECT_EQ(UF_PART_ask_num_parts(), 1);
  EXPECT_EQ(UF_PART_ask_nth_part(0), part);
  ASSERT_EQ(UF_PART_close_all(), 0);
  EXPECT_EQ(UF_PART_ask_num_parts(), 0);
}

TEST_F(PartCalls, ClosingAnAssemblyWithItsTreeClosesComponentsNoOneElseUses) {
  auto t = MakeThreeLevels();
  Part& other = session().NewPart("\\p\\other.prt");
  Instance usesLeaf;
  usesLeaf.partPath = "\\p\\leaf.prt";
  other.AddInstance(usesLeaf);
  ASSERT_EQ(UF_PART_close(t.root->GetTag(), UF_PART_close_scope_whole_tree, UF_PART_close_mode_unload), 0);
  EXPECT_EQ(UF_PART_ask_part_tag("\\p\\root.prt"), NULL_TAG);
  EXPECT_EQ(UF_PART_ask_part_tag("\\p\\sub.prt"), NULL_TAG);
  EXPECT_NE(UF_PART_ask_part_tag("\\p\\leaf.prt"), NULL_TAG) << "other.prt still uses it";
}
