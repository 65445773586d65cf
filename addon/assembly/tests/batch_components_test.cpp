// The component dialog on real assemblies written to disk: batch components named by
// part name, parent number and running number; single-body and multi-body parts; WAVE
// extraction. Journal text is UTF-8; literals are GBK.
#include <filesystem>
#include <fstream>

#include "addon/host/tests/journal_fixture.h"
#include "host/attribute_vocabulary.h"
#include "platform/assemblies/located_shape.h"
#include "platform/assemblies/occurrence.h"
#include "platform/files/part_file.h"
#include "platform/text/host_path.h"

using namespace platform;
namespace fs = std::filesystem;
using fabdoc_test::AddBox;

class BatchComponents : public kzt_test::CommandTest {
protected:
  // An assembly 总装-0 in `folder` with one component `parentStem` (at x = 1000) holding
  // boxes named by `names`, each made to drawing with an unnumbered drawing number.
  Part& MakeAssembly(const std::string& parentStem, const std::vector<std::string>& names) {
    Part& parent = session().NewPart(HostPath(parentStem + ".prt"));
    for (size_t i = 0; i < names.size(); ++i) {
      Body& b = AddBox(parent, 100.0 * i, 0, 0, 50, 20 + 10.0 * i, 5, names[i]);
      b.attributes.Set(kzt::kPartName, names[i]);
      b.attributes.Set(kzt::kRemark, kzt::kMadeToDrawing);
      b.attributes.Set(kzt::kPartNo, "1");
    }
    files::SavePart(parent, parent.path);
    root = &session().NewPart(HostPath("总装-0.prt"));
    Instance inst;
    inst.partPath = parent.path;
    inst.instanceName = parentStem;
    inst.name = parentStem;
    inst.transform = Transform::Translation(1000, 0, 0);
    root->AddInstance(inst);
    files::SavePart(*root, root->path);
    session().SetDisplayed(root);
    return parent;
  }
  // Batch mode once, components not saved.
  void RunBatch() {
    Run(u8R"J(
action new_zujianV1
  set enum0 2
  apply
  cancel
)J");
  }
  std::string HostPath(const std::string& gbkName) { return ToHostPath(folder) + "\\" + gbkName; }
  bool FileExists(const std::string& gbkName) { return fs::exists(folder + "/" + text::ToUtf8(gbkName)); }
  // Stems of the components under the first component of the assembly.
  std::vector<std::string> ChildrenOfParent() {
    std::vector<std::string> stems;
    auto parent = occurrences().Children(occurrences().RootOccurrence(*root)).front();
    for (ComponentOccurrence* c : occurrences().Children(*parent)) stems.push_back(HostFileStem(c->partPath));
    return stems;
  }
  Part* root = nullptr;
};

TEST_F(BatchComponents, NumberedParentIsSplitIntoOnePartPerPartName) {
  Part& parent = MakeAssembly("机架-3", {"底板", "立柱", "立柱"});
  const Box before = BodyOf(*parent.Objects()[0]).AxisBox();
  Run(u8R"J(
action new_zujianV1
  set enum0 2
  expect message "重要提示:\n  此功能会关闭内存中未显示的图档\n请做好保存工作!!!!"
  set toggle0 true
  apply
  cancel
)J");
  EXPECT_EQ(ChildrenOfParent(), (std::vector<std::string>{"底板-3-1", "立柱-3-2"}));
  EXPECT_TRUE(FileExists("底板-3-1.prt"));
  EXPECT_TRUE(FileExists("立柱-3-2.prt"));
  ASSERT_EQ(parent.Objects().size(), 1u) << "the two used bodies left the parent";
  EXPECT_EQ(parent.Objects()[0]->name, "立柱") << "the second 立柱 stays";

  // The new part sits where the body was: its occurrence's box in the assembly is the
  // source body's box moved by the parent's placement (x + 1000).
  auto parentOcc = occurrences().Children(occurrences().RootOccurrence(*root)).front();
  auto plateOcc = occurrences().Children(*parentOcc).front();
  auto bodies = occurrences().BodyOccurrences(*plateOcc);
  ASSERT_EQ(bodies.size(), 1u);
  const Box placed = LocatedAxisBox(*bodies[0]);
  EXPECT_NEAR(placed.min[0], before.min[0] + 1000, 1e-6);
  EXPECT_NEAR(placed.max[1], before.max[1], 1e-6);
  EXPECT_EQ(*session().FindAttribute(*bodies[0], kzt::kPartName), "底板");

  // A second run makes nothing new.
  RunBatch();
  EXPECT_EQ(ChildrenOfParent().size(), 2u);
}

TEST_F(BatchComponents, RunningNumbersFillGapsAndOldFilesAreKeptOnce) {
  Part& parent = MakeAssembly("机架-3", {"底板", "立柱", "横梁"});
  for (const char* stem : {"旧-3-1", "旧-3-2", "旧-3-4"}) {
    Part& child = session().NewPart(HostPath(std::string(stem) + ".prt"));
    AddBox(child, 0, 0, 0, 1, 1, 1);
    Instance inst;
    inst.partPath = child.path;
    inst.instanceName = stem;
    inst.name = stem;
    parent.AddInstance(inst);
  }
  std::ofstream(folder + "/" + text::ToUtf8("底板-3-3.prt")) << "an older part file";
  RunBatch();
  auto children = ChildrenOfParent();
  EXPECT_EQ(std::vector<std::string>(children.begin() + 3, children.end()),
            (std::vector<std::string>{"底板-3-3", "立柱-3-5", "横梁-3-6"}));
  EXPECT_TRUE(FileExists("底板-3-3(old).prt")) << "the existing file was kept as the old version";
}

TEST_F(BatchComponents, AssemblyParentsNameWithoutNumberAndNoParentIsReported) {
  MakeAssembly("总装配-2", {"底板", "立柱"});
  RunBatch();
  EXPECT_EQ(ChildrenOfParent(), (std::vector<std::string>{"底板-1", "立柱-2"}));
  session().Reset();
  MakeAssembly("机架", {"底板", "立柱"});
  Run(u8R"J(
action new_zujianV1
  set enum0 2
  apply
  expect message "未找到父组件\n无法创建组件"
  cancel
)J");
  EXPECT_TRUE(ChildrenOfParent().empty());
}

TEST_F(BatchComponents, SavedComponentsReopenWithTheNewStructure) {
  MakeAssembly("机架-3", {"底板", "立柱"});
  Run(u8R"J(
action new_zujianV1
  set enum0 2
  set toggle0 true
  apply
  cancel
save all
)J");
  const std::string rootPath = root->path;
  session().Reset();
  Part& back = files::OpenPart(rootPath);
  auto parent = occurrences().Children(occurrences().RootOccurrence(back)).front();
  auto children = occurrences().Children(*parent);
  ASSERT_EQ(children.size(), 2u);
  auto bodies = occurrences().BodyOccurrences(*children[0]);
  ASSERT_EQ(bodies.size(), 1u);
  EXPECT_EQ(*session().FindAttribute(*bodies[0], kzt::kPartName), "底板");
  EXPECT_NEAR(LocatedAxisBox(*bodies[0]).min[0], 1000, 1e-6) << "in place after reopening";
}

TEST_F(BatchComponents, SingleAndMultiBodyPartsSkipTakenNames) {
  Part& parent = MakeAssembly("机架-3", {"a", "b", "c"});
  std::ofstream(folder + "/" + text::ToUtf8("临时组件-1.prt")) << "taken";
  session().NewPart(HostPath("临时组件-2.prt"));  // open in the session, not saved
  Run(u8R"J(
action new_zujianV1
  set enum0 1
  select selection0 body:机架-3/a body:机架-3/b
  set toggle0 true
  apply
  cancel
)J");
  EXPECT_TRUE(FileExists("临时组件-3.prt"));
  EXPECT_TRUE(FileExists("临时组件-4.prt"));
  EXPECT_EQ(parent.Objects().size(), 1u) << "the two sources were deleted";

  Run(u8R"J(
action new_zujianV1
  set enum0 0
  select selection0 body:机架-3/c
  set toggle0 true
  apply
  cancel
)J");
  EXPECT_TRUE(FileExists("临时组件-001.prt"));
  EXPECT_TRUE(parent.Objects().empty());
}

TEST_F(BatchComponents, WaveExtractionLinksBodiesWithoutParameters) {
  Part& parent = MakeAssembly("机架-3", {"a", "b"});
  Run(u8R"J(
action new_zujianV1
  set enum0 3
  set toggle0 false
  select selection0 body:机架-3/a
  apply
  cancel
)J");
  ASSERT_EQ(root->Objects().size(), 1u) << "one plain body in the work part, no feature left";
  EXPECT_EQ(parent.Objects().size(), 2u) << "the source stays";
  EXPECT_NEAR(BodyOf(*root->Objects()[0]).AxisBox().min[0], 1000, 1e-6);
  Run(u8R"J(
action new_zujianV1
  set enum0 3
  select selection0 body:机架-3/b
  apply
  cancel
)J");
  EXPECT_EQ(root->Objects().size(), 2u);
  EXPECT_EQ(parent.Objects().size(), 1u) << "deleted at its source when asked";
}

TEST_F(BatchComponents, ModeZeroWithEveryNameTakenChangesNothing) {
  Part& parent = MakeAssembly("机架-3", {"a"});
  for (int n = 1; n <= 19; ++n)
    std::ofstream(folder + "/" + text::ToUtf8("临时组件") + "-00" + std::to_string(n) + ".prt") << "taken";
  const std::string out = RunCapturing(u8R"J(
action new_zujianV1
  set enum0 0
  select selection0 body:机架-3/a
  apply
  cancel
)J");
  EXPECT_NE(out.find("-0019.prt"), std::string::npos) << out;
  EXPECT_EQ(parent.Objects().size(), 1u) << "the body stays";
  EXPECT_EQ(root->Instances().size(), 1u) << "no component was added";
}

TEST_F(BatchComponents, ModeZeroTakesTheFirstNameNeitherOnDiskNorOpen) {
  MakeAssembly("机架-3", {"a", "b"});
  std::ofstream(folder + "/" + text::ToUtf8("临时组件-001.prt")) << "taken";
  session().NewPart(HostPath("临时组件-002.prt"));  // open, never saved
  Run(u8R"J(
action new_zujianV1
  set enum0 0
  select selection0 body:机架-3/a body:机架-3/b
  set toggle0 true
  apply
  cancel
)J");
  EXPECT_TRUE(FileExists("临时组件-003.prt"));
  Part* made = session().FindPartByFileName("临时组件-003.prt");
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->Objects().size(), 2u) << "both bodies in the one new part";
}
