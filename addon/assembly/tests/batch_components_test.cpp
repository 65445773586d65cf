// The component dialog on real assemblies written to disk: batch components named by
// part name, parent number and running number; single-body and multi-body parts; WAVE
// extraction. Journal text is UTF-8; literals are GBK.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "addon/assembly/tests/assembly_fixture.h"
#include "addon/host/tests/terminal_stderr.h"
#include "app/example/product.h"
#include "platform/ui/abort.h"

using namespace platform;
namespace fs = std::filesystem;
using fabdoc_test::AddBox;
using kzt_test::BatchComponents;

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
    fabdoc_test::AddInstance(parent, child.path, stem);
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

TEST_F(BatchComponents, ModeZeroAbortWhileGatheringKeepsTheBodyAlreadyLinked) {
  // The request is seen at the second body, 横档, after it was linked into the assembly:
  // it joins the new part with 压条, gathering stops, and 拉杆 stays where it is.
  MakeExampleProduct();
  ui::RequestAbortAtPoll(2);
  Run(u8R"J(
action new_zujianV1
  set enum0 0
  select selection0 body:P-底座-2/压条 body:P-机架-1/横档 body:P-底座-2/拉杆
  apply
  cancel
)J");
  Part& made = PartNamed("临时组件-001.prt");
  EXPECT_EQ(SolidCount(made), 2);
  EXPECT_EQ(CountNamed(made, "压条"), 1);
  EXPECT_EQ(CountNamed(made, "横档"), 1);
  EXPECT_EQ(SolidCount(*root), 0) << "no linked body left in the assembly on top of its source";
  EXPECT_EQ(CountNamed(PartNamed("P-机架-1.prt"), "横档"), 0) << "its source went with it";
  EXPECT_EQ(CountNamed(PartNamed("P-底座-2.prt"), "压条"), 0);
  EXPECT_EQ(CountNamed(PartNamed("P-底座-2.prt"), "拉杆"), 1) << "not gathered, not deleted";
}

TEST_F(BatchComponents, ModeZeroAbortWhileDeletingSourcesStillDeletesEveryOne) {
  // The request comes with the deletion of the first source; the new part already holds
  // all three bodies, so every source goes and each body is found exactly once.
  Part& parent = MakeAssembly("机架-3", {"a", "b", "c"});
  const Tag firstSource = parent.Objects()[0]->GetTag();
  struct AbortOnFirstSource : SessionObserver {
    Tag source;
    bool requested = false;
    explicit AbortOnFirstSource(Tag tag) : source(tag) { Session::Get().Attach(*this); }
    ~AbortOnFirstSource() override { Session::Get().Detach(*this); }
    void Forgetting(Tag tag) override {
      if (tag == source) requested = ui::RequestAbort();
    }
  } watch(firstSource);
  Run(u8R"J(
action new_zujianV1
  set enum0 0
  select selection0 body:机架-3/a body:机架-3/b body:机架-3/c
  apply
  cancel
)J");
  ASSERT_TRUE(watch.requested) << "the abort was raised while aborting was enabled";
  Part& made = PartNamed("临时组件-001.prt");
  for (const char* name : {"a", "b", "c"}) {
    EXPECT_EQ(CountNamed(made, name), 1) << name;
    EXPECT_EQ(CountNamed(parent, name), 0) << name;
    EXPECT_EQ(CountNamed(*root, name), 0) << name;
  }
}

TEST_F(BatchComponents, ProgressBarIsDrawnOnATerminal) {
  // Mode 1 with two bodies: range 0 to 2 x 2; positions 0, 1 while making the parts, then
  // 2, 3 while deleting the sources, so the bar ends at 3 of 4.
  MakeAssembly("机架-3", {"a", "b"});
  unsetenv("UGII_BASE_DIR");  // the project's data folder, which holds the display library
  kzt_test::TerminalStderr terminal;
  ASSERT_TRUE(terminal.Ready()) << "no terminal to draw the bar on";
  Run(u8R"J(
action new_zujianV1
  set enum0 1
  select selection0 body:机架-3/a body:机架-3/b
  apply
  cancel
)J");
  const std::string shown = terminal.Drawn();
  EXPECT_NE(shown.find("kzt-progress ["), std::string::npos) << shown;
  EXPECT_NE(shown.find("(3/4)"), std::string::npos) << shown;
  EXPECT_NE(shown.find("\033[K"), std::string::npos) << "the bar clears its line when removed";
}
