// The pieces batch creation is made of: running numbers, keeping the previous version
// of a part file, and moving a new component under its parent. Literals are GBK.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "addon/assembly/tests/assembly_fixture.h"
#include "assembly/new_component.h"
#include "assembly/part_file_rotation.h"
#include "assembly/running_numbers.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

std::vector<int> Take(kzt::RunningNumbers& numbers, int count) {
  std::vector<int> taken;
  for (int i = 0; i < count; ++i) taken.push_back(numbers.take());
  return taken;
}

std::string Contents(const std::string& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

TEST(RunningNumbers, GapsFirstThenUpwardsAndNeverRunningOut) {
  kzt::RunningNumbers numbers({4, 1, 2});
  const std::vector<int> taken = Take(numbers, 24);
  EXPECT_EQ(taken[0], 3) << "the gap first";
  // The free list runs from 5 to the count of used numbers (0, 1, 2, 4) plus 20.
  for (int i = 1; i <= 20; ++i) EXPECT_EQ(taken[i], 4 + i);
  EXPECT_EQ(taken[21], 25) << "past the free list, on upwards";
  EXPECT_EQ(taken[23], 27);

  kzt::RunningNumbers fresh({});
  EXPECT_EQ(Take(fresh, 3), (std::vector<int>{1, 2, 3}));
}

TEST(RunningNumbers, RepeatedUsedNumbersAreNotHandedOut) {
  kzt::RunningNumbers numbers({2, 2, 1});
  EXPECT_EQ(Take(numbers, 2), (std::vector<int>{3, 4}));
}

class PartFileRotation : public kzt_test::HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    folder = fabdoc_test::FreshDir("part-file-rotation");
  }
  std::string Local(const std::string& gbkName) { return folder + "/" + text::ToUtf8(gbkName); }
  std::string Host(const std::string& gbkName) { return ToHostPath(folder) + "\\" + gbkName; }
  bool Rotate() { return kzt::keep_previous_version(ToHostPath(folder), Host("底板-3-1.prt"), Host("底板-3-1(old).prt")); }
  std::string folder;
};

TEST_F(PartFileRotation, ANewNameNeedsNothing) {
  EXPECT_TRUE(Rotate());
  EXPECT_FALSE(fs::exists(Local("底板-3-1(old).prt")));
  EXPECT_TRUE(Shown("message").empty());
}

TEST_F(PartFileRotation, TheExistingFileBecomesTheOnlyOldVersion) {
  std::ofstream(Local("底板-3-1.prt")) << "second";
  std::ofstream(Local("底板-3-1(old).prt")) << "first";
  EXPECT_TRUE(Rotate());
  EXPECT_FALSE(fs::exists(Local("底板-3-1.prt"))) << "the name is free for the new part";
  EXPECT_EQ(Contents(Local("底板-3-1(old).prt")), "second") << "the older version was replaced";
}

TEST_F(PartFileRotation, AFileThatCannotBeRenamedIsReportedAndKept) {
  std::ofstream(Local("底板-3-1.prt")) << "current";
  fs::create_directory(Local("底板-3-1(old).prt"));  // a folder holds the old name
  std::ofstream(Local("底板-3-1(old).prt") + "/keep.txt") << "x";
  EXPECT_FALSE(Rotate());
  EXPECT_EQ(Contents(Local("底板-3-1.prt")), "current") << "the file is untouched";
  const std::vector<std::string> shown = Shown("message");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find(Utf8("文件已经存在,且重命令不成功")), std::string::npos) << shown[0];
  EXPECT_NE(shown[0].find(Utf8("底板-3-1.prt")), std::string::npos) << "names the file: " << shown[0];
}

using kzt_test::BatchComponents;

TEST_F(BatchComponents, AMoveTheHostRefusesIsReportedAndTheComponentStays) {
  MakeAssembly("机架-3", {"a"});
  const std::string parent = kzt::component_identifier("机架-3");
  kzt::移动组件("机架-3", parent, parent);  // below itself
  const std::vector<std::string> shown = Shown("message");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find(Utf8(parent + " 未能移到 " + parent + " 之下:")), std::string::npos) << shown[0];
  EXPECT_NE(shown[0].find("below itself"), std::string::npos) << "with the host's reason: " << shown[0];
  EXPECT_EQ(occurrences().Children(occurrences().RootOccurrence(*root)).size(), 1u);
}
