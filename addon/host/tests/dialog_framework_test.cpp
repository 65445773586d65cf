// The dialog framework every dialog class follows: construction, callbacks, the error
// box, OK through Apply and the launcher. Run under AddressSanitizer as well, where a
// leaked dialog object fails the run.
#include <stdexcept>

#include "addon/host/tests/framework_fixture.h"
#include "host/dialog_framework.h"

namespace {

// A class whose dialog file does not exist: its constructor throws.
struct MissingDialog {
  static int constructed;
  MissingDialog() {
    ++constructed;
    theBlockDialog = kzt::create_dialog(NXOpen::UI::GetUI(), "no_such_dialog.dlx", this);
  }
  ~MissingDialog() { delete theBlockDialog; }
  int Show() { return kzt::show_dialog(theBlockDialog); }
  int apply_cb() { return 0; }
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
};
int MissingDialog::constructed = 0;

// A class whose apply throws; OK is its apply.
struct ThrowingApply {
  static int destroyed;
  ThrowingApply() { theBlockDialog = kzt::create_dialog(NXOpen::UI::GetUI(), "framework_test.dlx", this); }
  ~ThrowingApply() {
    ++destroyed;
    delete theBlockDialog;
  }
  int Show() { return kzt::show_dialog(theBlockDialog); }
  int apply_cb() {
    return kzt::guarded([]() -> int { throw std::runtime_error("组件创建失败"); }, 1);
  }
  int ok_cb() { return kzt::ok_through_apply(this); }
  int update_cb(NXOpen::BlockStyler::UIBlock*) { return 0; }
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
};
int ThrowingApply::destroyed = 0;

}  // namespace

class DialogFramework : public kzt_test::HostTest {};

TEST_F(DialogFramework, LauncherWhoseConstructorThrowsShowsOneErrorBoxAndReturnsZero) {
  MissingDialog::constructed = 0;
  EXPECT_EQ(kzt::launch_dialog<MissingDialog>(), 0);
  EXPECT_EQ(MissingDialog::constructed, 1);
  auto boxes = Shown("error box");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].rfind("Block Styler: ", 0), 0u) << boxes[0];
  EXPECT_NE(boxes[0].find("no_such_dialog.dlx"), std::string::npos) << "names the file: " << boxes[0];
}

TEST_F(DialogFramework, OkOnAClassWhoseApplyThrowsShowsOneErrorBoxAndReturnsOne) {
  ThrowingApply dialog;
  EXPECT_EQ(dialog.ok_cb(), 1);
  auto boxes = Shown("error box");
  ASSERT_EQ(boxes.size(), 1u) << "apply's own guard reports; OK must not report again";
  EXPECT_EQ(boxes[0], Utf8("Block Styler: 组件创建失败"));
}

TEST_F(DialogFramework, ShowWithoutAnythingToAnswerItEndsInTheErrorBoxAndTheLauncherCleansUp) {
  // No journal drives this dialog: the host refuses to show it modally.
  ThrowingApply::destroyed = 0;
  EXPECT_EQ(kzt::launch_dialog<ThrowingApply>(), 0);
  EXPECT_EQ(ThrowingApply::destroyed, 1);
  EXPECT_EQ(Shown("error box").size(), 1u);
}
