// Dialog files that lack a block their class uses, or hold it as another kind: the
// action is refused with an error box naming the file and the block, and the session
// goes on. Before, the first showed an error box and then the dialog anyway, and the
// second said nothing; both then crashed the host on the block they did not have.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "addon/host/tests/journal_fixture.h"
#include "app/example/product.h"
#include "platform/text/host_path.h"
#include "tests/support/dialog_actions.h"
#include "tests/support/xlsx_reader.h"

namespace fs = std::filesystem;
using fabdoc_test::DialogAction;

namespace {

// The last block without children that is not a separator: its id and where it stands.
std::smatch LastLeafBlock(const std::string& text) {
  static const std::regex leaf(R"re(<block id="([A-Za-z0-9_]+)" kind="([A-Za-z]+)"[^>]*/>)re");
  std::smatch last;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), leaf); it != std::sregex_iterator(); ++it)
    if ((*it)[2] != "Separator") last = *it;
  return last;
}

}  // namespace

class DamagedDialogFiles : public kzt_test::CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    damagedFolder = folder + "/damaged-dialogs";
    fs::create_directories(damagedFolder);
    setenv("FABDOC_DIALOG_PATH", (damagedFolder + ":" + std::getenv("FABDOC_DIALOG_PATH")).c_str(), 1);
    auto parts = fabdoc::app::example::BuildProduct(fabdoc::app::example::FrameProduct(), platform::ToHostPath(folder));
    session().SetDisplayed(parts.front());
  }
  // Runs `action` with `dialogText` as its dialog file; the error boxes it showed.
  std::vector<std::string> RunWith(const DialogAction& dialog, const std::string& dialogText) {
    std::ofstream(damagedFolder + "/" + dialog.file, std::ios::binary | std::ios::trunc) << dialogText;
    platform::ui::ClearHistory();
    Run(reinterpret_cast<const char8_t*>(("action " + std::string(dialog.action) + "\n").c_str()));
    fs::remove(damagedFolder + "/" + dialog.file);
    return Shown("error box");
  }
  std::string damagedFolder;
};

TEST_F(DamagedDialogFiles, AMissingBlockOrOneOfAnotherKindRefusesTheActionNamingFileAndBlock) {
  for (const DialogAction& dialog : fabdoc_test::DialogActions()) {
    const std::string shipped = fabdoc_test::FileBytes(fs::path(SourceDir()) / "addon/dialogs" / dialog.file);
    const std::smatch leaf = LastLeafBlock(shipped);
    ASSERT_FALSE(leaf.empty()) << dialog.file;
    const std::string id = leaf[1];
    std::string missing = shipped, otherKind = shipped;
    missing.replace(leaf.position(0), leaf.length(0), "");
    otherKind.replace(leaf.position(0), leaf.length(0), "<block id=\"" + id + "\" kind=\"Separator\"/>");

    const auto missingBoxes = RunWith(dialog, missing);
    ASSERT_EQ(missingBoxes.size(), 1u) << dialog.file << " without " << id;
    EXPECT_NE(missingBoxes[0].find(dialog.file), std::string::npos) << missingBoxes[0];
    EXPECT_NE(missingBoxes[0].find("no block \"" + id + "\""), std::string::npos) << missingBoxes[0];
    EXPECT_NE(missingBoxes[0].find("the dialog was not shown"), std::string::npos) << missingBoxes[0];

    const auto kindBoxes = RunWith(dialog, otherKind);
    ASSERT_EQ(kindBoxes.size(), 1u) << dialog.file << " with " << id << " a Separator";
    EXPECT_NE(kindBoxes[0].find(dialog.file), std::string::npos) << kindBoxes[0];
    EXPECT_NE(kindBoxes[0].find("block \"" + id + "\" is a Separator"), std::string::npos) << kindBoxes[0];
  }
  // The session goes on: the shipped dialogs still work.
  Run(u8"action attr_jiancha\n  cancel\n");
}

TEST_F(DamagedDialogFiles, TheDrawingDialogWithoutItsProductNameBlockIsNotShown) {
  // A user's copy of the drawing dialog that lost the block "ming".
  const auto boxes = RunWith(*fabdoc_test::ActionOfDialogFile("2D.dlx"), fabdoc_test::FileBytes(fs::path(SourceDir()) / "addon/host/tests/damaged_dialogs/2D.dlx"));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("2D.dlx has no block \"ming\""), std::string::npos) << boxes[0];
}
