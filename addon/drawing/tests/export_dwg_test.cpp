// The menu action 2D: sheets picked through their views, or all of them, written one DWG
// per sheet beside the part, read back by LibreDWG and libdxfrw; repeated picks, second
// runs, cancel, and the bad cases (no folder, a name no file may have, a sheet without
// views). Journal text is UTF-8; literals GBK.
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "addon/host/tests/journal_fixture.h"
#include "drawing/export_dwg.h"
#include "platform/drafting/sheet_ratio.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/views.h"
#include "platform/dwg/sheet_dwg.h"
#include "platform/files/part_file.h"
#include "platform/files/sheet_template.h"
#include "platform/drafting/sheet_drawing_of.h"
#include "platform/text/host_path.h"
#include "tests/support/dwg_readers.h"

using namespace platform;
namespace fs = std::filesystem;
using fabdoc_test::AddBox;

namespace {

std::string TemplatePath(const std::string& file) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  return ToAbsoluteHostPath(std::string(source ? source : FABDOC_TEST_SOURCE_DIR) + "/data/kzt-1/bom/" + file);
}

// ino and mtime: a file written again is a new file.
std::pair<ino_t, long> Identity(const fs::path& file) {
  struct stat st{};
  stat(file.c_str(), &st);
  return {st.st_ino, static_cast<long>(st.st_mtim.tv_nsec) + st.st_mtim.tv_sec * 1000000000L};
}

}  // namespace

class ExportDwg : public kzt_test::CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    part = &session().NewPart(ToHostPath(folder) + "\\frame.prt");
    AddBox(*part, 0, 0, 0, 200, 100, 50);
    AddBox(*part, 300, 0, 0, 100, 100, 100);
    for (const char* name : {"机架-1", "机架-2"}) {
      DrawingSheet& sheet = drafting::AddSheetFromTemplate(*part, TemplatePath("A3_bujian.prt"), name);
      drafting::AddBaseView(sheet, *part, "Front", 0.5, {150, 200});
      drafting::AddBaseView(sheet, *part, "Top", 0.5, {150, 100});
      drafting::UpdateOutOfDateViews(sheet);
    }
    files::SavePart(*part, part->path);
    session().SetDisplayed(part);
    outDir = fs::path(folder) / fs::path(u8"frameCAD工程图");
  }
  dwg::Drawing Expected(const std::string& gbkSheetName) {
    DrawingSheet* sheet = drafting::FindSheet(*part, gbkSheetName);
    return dwg::SheetToDwg(drafting::DrawingOf(*sheet));
  }
  Part* part = nullptr;
  fs::path outDir;
};

TEST_F(ExportDwg, OkWithNoPickWritesEverySheetNamedAfterIt) {
  Run(u8R"J(
action 2D
  pick none
)J");
  ASSERT_TRUE(fs::is_directory(outDir));
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(outDir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{Utf8("机架-1.dwg"), Utf8("机架-2.dwg")}));
  dwg_test::ExpectBothReadersAgree(outDir / fs::path(u8"机架-1.dwg"), Expected("机架-1"));
  dwg_test::ExpectBothReadersAgree(outDir / fs::path(u8"机架-2.dwg"), Expected("机架-2"));
  // The title block's texts are there in Chinese.
  const auto read = dwg_test::Read("read_dwg_libredwg.mjs", outDir / fs::path(u8"机架-1.dwg"));
  bool label = false;
  for (const auto& t : read["texts"]) label |= t["text"] == Utf8("名称");
  EXPECT_TRUE(label) << read["texts"].dump();
  EXPECT_TRUE(Shown("message").empty()) << Shown("message").front();
  EXPECT_FALSE(part->modified) << "the part was saved first";
}

TEST_F(ExportDwg, TheScaleGoesOutInTheTitleBlocksScaleCell) {
  drafting::SetSheetRatio(*drafting::FindSheet(*part, "机架-1"), 1, 5);
  files::SavePart(*part, part->path);
  Run(u8R"J(
action 2D
  pick none
)J");
  const auto read = dwg_test::Read("read_dwg_libredwg.mjs", outDir / fs::path(u8"机架-1.dwg"));
  std::vector<std::string> texts;
  for (const auto& t : read["texts"]) texts.push_back(t["text"]);
  const auto label = std::find(texts.begin(), texts.end(), Utf8("比例"));
  ASSERT_NE(label, texts.end()) << read["texts"].dump();
  ASSERT_NE(label + 1, texts.end());
  EXPECT_EQ(*(label + 1), "1:5") << "the cell beside 比例";
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "1:5"), 1) << "not printed a second time";
  EXPECT_NE(std::find(texts.begin(), texts.end(), Utf8("机架-1")), texts.end()) << "the sheet name alone";
}

TEST_F(ExportDwg, TwoViewsOfOneSheetWriteThatSheetOnly) {
  testing::internal::CaptureStdout();
  Run(u8R"J(
action 2D
  pick view:机架-2/FRONT@3 view:机架-2/TOP@4
)J");
  testing::internal::GetCapturedStdout();
  EXPECT_TRUE(fs::exists(outDir / fs::path(u8"机架-2.dwg")));
  EXPECT_FALSE(fs::exists(outDir / fs::path(u8"机架-1.dwg")));
  dwg_test::ExpectBothReadersAgree(outDir / fs::path(u8"机架-2.dwg"), Expected("机架-2"));
}

TEST_F(ExportDwg, PicksThatAreNotViewsExportEverySheetAndCancelExportsNone) {
  Run(u8R"J(
action 2D
  pick cancel
)J");
  EXPECT_TRUE(fs::is_directory(outDir)) << "the folder is made before the sheets are asked for";
  EXPECT_TRUE(fs::is_empty(outDir));
  Run(u8R"J(
action 2D
  pick sheet:机架-1
)J");
  EXPECT_TRUE(fs::exists(outDir / fs::path(u8"机架-1.dwg")));
  EXPECT_TRUE(fs::exists(outDir / fs::path(u8"机架-2.dwg")));
}

TEST_F(ExportDwg, ASecondRunReplacesTheFiles) {
  fs::create_directories(outDir);
  { std::ofstream(outDir / fs::path(u8"机架-1.dwg")) << "an older drawing"; }
  const auto before = Identity(outDir / fs::path(u8"机架-1.dwg"));
  Run(u8R"J(
action 2D
  pick none
)J");
  const auto first = Identity(outDir / fs::path(u8"机架-1.dwg"));
  EXPECT_NE(first, before);
  Run(u8R"J(
action 2D
  pick none
)J");
  EXPECT_NE(Identity(outDir / fs::path(u8"机架-1.dwg")), first);
  dwg_test::ExpectBothReadersAgree(outDir / fs::path(u8"机架-1.dwg"), Expected("机架-1"));
}

TEST_F(ExportDwg, ASheetWithoutViewsIsSaidAndTheOthersAreWritten) {
  drafting::AddSheetFromTemplate(*part, TemplatePath("A4_nj.prt"), "空白");
  files::SavePart(*part, part->path);
  const std::string out = RunCapturing(u8R"J(
action 2D
  pick none
)J");
  EXPECT_TRUE(fs::exists(outDir / fs::path(u8"机架-1.dwg")));
  EXPECT_TRUE(fs::exists(outDir / fs::path(u8"机架-2.dwg")));
  EXPECT_FALSE(fs::exists(outDir / fs::path(u8"空白.dwg")));
  for (const auto& entry : fs::directory_iterator(outDir))
    EXPECT_EQ(entry.path().extension(), ".dwg") << "no scratch file is left: " << entry.path();
  ASSERT_EQ(Shown("message").size(), 1u) << out;
  EXPECT_NE(Shown("message").front().find(Utf8("空白")), std::string::npos) << Shown("message").front();
  EXPECT_NE(Shown("message").front().find(Utf8("no views")), std::string::npos) << Shown("message").front();
}

TEST_F(ExportDwg, ASheetNameNoFileMayHaveIsWrittenUnderASafeName) {
  drafting::RenameSheet(*drafting::FindSheet(*part, "机架-2"), "机架:2?");
  files::SavePart(*part, part->path);
  RunCapturing(u8R"J(
action 2D
  pick none
)J");
  EXPECT_TRUE(fs::exists(outDir / fs::path(u8"机架_2_.dwg")));
  EXPECT_TRUE(fs::exists(outDir / fs::path(u8"机架-1.dwg")));
  ASSERT_EQ(Shown("message").size(), 1u);
  EXPECT_NE(Shown("message").front().find(Utf8("机架_2_.dwg")), std::string::npos) << Shown("message").front();
  dwg_test::ExpectBothReadersAgree(outDir / fs::path(u8"机架_2_.dwg"), Expected("机架:2?"));
}

TEST_F(ExportDwg, AFolderThatCannotBeMadeIsSaidAndNothingIsWritten) {
  { std::ofstream(outDir) << "a file where the folder should be"; }
  RunCapturing(u8R"J(
action 2D
  pick none
)J");
  EXPECT_TRUE(fs::is_regular_file(outDir));
  ASSERT_EQ(Shown("message").size(), 1u) << Shown("message").back();
  EXPECT_NE(Shown("message").front().find(Utf8("frameCAD工程图")), std::string::npos) << Shown("message").front();
}

TEST_F(ExportDwg, APartThatCannotBeSavedIsSaidAndTheSheetsAsLastSavedAreWritten) {
  // The part changed since its last save and its file is read-only: the save fails, the
  // translator reads the file as it is, and the user is told.
  part->attributes.Set("CHANGED", "1");
  part->modified = true;
  fs::permissions(fs::path(folder) / "frame.prt", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  RunCapturing(u8R"J(
action 2D
  pick none
)J");
  fs::permissions(fs::path(folder) / "frame.prt", fs::perms::owner_write, fs::perm_options::add);
  ASSERT_EQ(Shown("message").size(), 1u);
  EXPECT_NE(Shown("message").front().find(Utf8("部件未能保存")), std::string::npos) << Shown("message").front();
  EXPECT_NE(Shown("message").front().find("read-only"), std::string::npos) << Shown("message").front();
  EXPECT_TRUE(part->modified) << "nothing saved it";
  dwg_test::ExpectBothReadersAgree(outDir / fs::path(u8"机架-1.dwg"), Expected("机架-1"));
}

TEST(ExportDwgNames, FolderBesideThePartAndSafeFileNames) {
  EXPECT_EQ(kzt::dwg_output_folder("D:\\work\\frame.prt"), "D:\\work\\frameCAD工程图");
  EXPECT_EQ(kzt::dwg_output_folder("D:\\a.b\\frame"), "D:\\a.b\\frameCAD工程图") << "a dot in a folder name is no extension";
  EXPECT_EQ(kzt::dwg_output_folder("frame"), "frameCAD工程图");
  EXPECT_EQ(kzt::dwg_file_stem("P-机架-1"), "P-机架-1");
  EXPECT_EQ(kzt::dwg_file_stem("a<b>c:d\"e|f?g*h"), "a_b_c_d_e_f_g_h");
  EXPECT_EQ(kzt::dwg_file_stem("end. "), "end__");
  // A double-byte character whose second byte is "|" stays whole.
  EXPECT_EQ(kzt::dwg_file_stem("\x81\x7C" "x"), "\x81\x7C" "x");
}
