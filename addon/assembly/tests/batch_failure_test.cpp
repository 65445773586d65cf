// A host call that fails in the middle of a batch: the error box is shown and the batch
// leaves nothing behind. The progress bar is gone from the terminal, aborting is
// disabled, the displayed part is the work part, the C interface is closed as often as
// it was opened, and no body that did not reach a new part is lost.
//
// The failure is a real one: a folder that bears the name of the next new part file, so
// the host refuses to make the part there.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <uf.h>

#include "addon/assembly/tests/assembly_fixture.h"
#include "addon/host/tests/terminal_stderr.h"
#include "platform/assemblies/work_part.h"
#include "platform/ui/abort.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

// Whether the last thing drawn on the terminal was the bar being cleared away: each
// redraw starts with "\r", the removal is "\r\033[K" (newlines reach a terminal as "\r\n").
bool BarClearedLast(const std::string& drawn) {
  size_t lastDraw = std::string::npos, lastClear = std::string::npos;
  for (size_t i = 0; i < drawn.size(); ++i) {
    if (drawn[i] != '\r') continue;
    if (drawn.compare(i, 4, "\r\033[K") == 0) lastClear = i;
    else if (drawn.compare(i, 2, "\r\n") != 0) lastDraw = i;
  }
  return lastDraw != std::string::npos && lastClear != std::string::npos && lastClear > lastDraw;
}

// How many UF_initialize calls are open: closed one by one, then opened again.
int OpenInitializations() {
  int open = 0;
  for (; UF_is_initialized() && open < 1000; ++open) UF_terminate();
  for (int i = 0; i < open; ++i) UF_initialize();
  return open;
}

}  // namespace

class BatchFailure : public kzt_test::BatchComponents {
protected:
  void SetUp() override {
    BatchComponents::SetUp();
    const std::string data = std::string(FABDOC_TEST_SOURCE_DIR) + "/data";
    setenv("UGII_BASE_DIR", data.c_str(), 1);
    // Held open here, so a bar lives on between the host's loads and unloads of the
    // display library however the host counts them.
    display_ = dlopen((data + "/NXBIN/libdisp.dll").c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(display_, nullptr) << dlerror();
  }
  void TearDown() override {
    if (display_) dlclose(display_);
    unsetenv("UGII_BASE_DIR");
    BatchComponents::TearDown();
  }
  void* display_ = nullptr;
  // The folder that stands where the host must write the new part `gbkFile`.
  void BlockPartFile(const std::string& gbkFile) { fs::create_directory(folder + "/" + text::ToUtf8(gbkFile)); }
  // Makes the parent component the work part, as a user working inside it would (only
  // where the failure comes before any body is made: a part is made from bodies seen
  // from the displayed assembly).
  void WorkInParent() {
    SetWorkComponent(*occurrences().Children(occurrences().RootOccurrence(*root)).front());
    ASSERT_NE(session().work, root);
  }
  // Runs the journal with standard error on a terminal; checks the failure was shown
  // and every piece of host state the batch took was given back.
  void RunFailingBatch(const char8_t* journal, const std::string& gbkFile) {
    const int initializations = OpenInitializations();
    kzt_test::TerminalStderr terminal;
    ASSERT_TRUE(terminal.Ready()) << "no terminal to draw the bar on";
    Run(journal);
    const std::string drawn = terminal.Drawn();
    const std::vector<std::string> boxes = Shown("error box");
    ASSERT_EQ(boxes.size(), 1u) << "the failure reaches the error box";
    EXPECT_NE(boxes[0].find(Utf8(gbkFile)), std::string::npos) << boxes[0];
    EXPECT_TRUE(BarClearedLast(drawn)) << "the progress bar stayed on the terminal: " << drawn;
    EXPECT_FALSE(ui::AbortEnabled()) << "aborting stayed enabled";
    EXPECT_EQ(session().work, root) << "the displayed part is the work part again";
    EXPECT_EQ(session().workOccurrence, kNullTag);
    EXPECT_EQ(OpenInitializations(), initializations) << "every UF_initialize was closed";
  }
};

TEST_F(BatchFailure, MultiBodyPartThatCannotBeMadeRestoresTheHostAndKeepsTheBodies) {
  Part& parent = MakeAssembly("机架-3", {"a", "b"});
  BlockPartFile("临时组件-001.prt");
  WorkInParent();
  RunFailingBatch(u8R"J(
action new_zujianV1
  set enum0 0
  select selection0 body:机架-3/a body:机架-3/b
  apply
  cancel
)J", "临时组件-001.prt");
  EXPECT_EQ(parent.Objects().size(), 2u) << "no source was deleted";
  EXPECT_EQ(session().FindPartByFileName("临时组件-001.prt"), nullptr) << "no half-made part stays open";
}

TEST_F(BatchFailure, SecondSingleBodyPartThatCannotBeMadeRestoresTheHostAndKeepsItsBody) {
  Part& parent = MakeAssembly("机架-3", {"a", "b"});
  BlockPartFile("临时组件-2.prt");
  RunFailingBatch(u8R"J(
action new_zujianV1
  set enum0 1
  select selection0 body:机架-3/a body:机架-3/b
  apply
  cancel
)J", "临时组件-2.prt");
  ASSERT_NE(session().FindPartByFileName("临时组件-1.prt"), nullptr) << "the first part was made before the failure";
  bool bKept = false;
  for (const auto& object : parent.Objects()) bKept = bKept || object->name == "b";
  EXPECT_TRUE(bKept) << "the body whose part failed is still in its part";
}

TEST_F(BatchFailure, BatchModeStopsAtTheSubComponentThatCannotBeMade) {
  Part& parent = MakeAssembly("机架-3", {"底板", "立柱"});
  BlockPartFile("立柱-3-2.prt");
  RunFailingBatch(u8R"J(
action new_zujianV1
  set enum0 2
  apply
  cancel
)J", "立柱-3-2.prt");
  EXPECT_EQ(ChildrenOfParent(), std::vector<std::string>{"底板-3-1"}) << "the first sub-component was made and moved";
  ASSERT_EQ(parent.Objects().size(), 1u);
  EXPECT_EQ(parent.Objects()[0]->name, "立柱") << "the body whose part failed stays in the parent";
  EXPECT_TRUE(root->Objects().empty()) << "the link made for the refused part was removed: " << root->Objects().size();
}
