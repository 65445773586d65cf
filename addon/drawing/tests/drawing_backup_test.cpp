// Backup and renaming of drawings on real part files: jobs 1 and 2 of the drawing
// dialog driven through journals, the files on disk read back, the renamed assembly
// opened again in a fresh session. Journal text is UTF-8; literals are GBK.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <tuple>
#include <string>
#include <vector>

#include "addon/drawing/tests/drawing_fixture.h"
#include "drawing/backup_names.h"
#include "drawing/drawing_backup.h"
#include "host/uf_session.h"
#include "platform/assemblies/occurrences.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/view_content.h"
#include "platform/text/gbk.h"
#include "tests/support/test_model.h"
#include "tests/support/xlsx_reader.h"

using namespace kzt_test;
namespace fs = std::filesystem;

namespace {

// Text in double quotes for a journal line (UTF-8).
std::string Quoted(const std::string& utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

}  // namespace

class DrawingBackup : public DrawingProduction {
protected:
  // ASSEMBLY.prt placing one single-body part per stem, 300 mm apart, all saved.
  void MakeAssembly(const std::vector<std::string>& stems, const std::string& assembly = "XJ01-ASM") {
    root = &session().NewPart(HostPath(assembly + ".prt"));
    for (size_t i = 0; i < stems.size(); ++i)
      AddPartComponent(stems[i], "P" + std::to_string(i), 100, 50, 20, 300.0 * i);
    files::SavePart(*root, root->path);
    session().SetDisplayed(root);
    for (const auto& stem : stems) before[stem] = Bytes(stem + ".prt");
  }
  std::string Local(const std::string& gbkName) const { return folder + "/" + text::ToUtf8(gbkName); }
  bool OnDisk(const std::string& gbkName) const { return fs::exists(Local(gbkName)); }
  std::string Bytes(const std::string& gbkName) const { return fabdoc_test::FileBytes(Local(gbkName)); }
  // Job 1 with the backup folder text (default: the assembly's folder with its backslash).
  void BackUp(const std::string& prefix = "BF", const std::string* folderText = nullptr) {
    const std::string chosen = folderText ? *folderText : HostPath("");
    RunText("action drawing\n  set enum0 1\n  set filepath_lujin " + Quoted(text::ToUtf8(chosen)) +
            "\n  set ming_qz " + Quoted(text::ToUtf8(prefix)) + "\n  apply\n  cancel\n");
  }
  // Job 2 on the component of that instance name.
  void Rename(const std::string& instance, const std::string& newName) {
    RunText("action drawing\n  set enum0 2\n  select selection0 component:" + text::ToUtf8(instance) +
            "\n  expect ming_new " + Quoted(text::ToUtf8(instance)) + "\n  set tuhao_new " +
            Quoted(text::ToUtf8(newName)) + "\n  apply\n  cancel\n");
  }
  void RunText(const std::string& journal) { Run(reinterpret_cast<const char8_t*>(journal.c_str())); }
  // The component file stems an assembly file on disk refers to, in order.
  std::vector<std::string> PlacedIn(const std::string& gbkFile) {
    std::vector<std::string> stems;
    const auto part = files::ReadPart(HostPath(gbkFile));
    for (const auto& instance : part->Instances()) stems.push_back(HostFileStem(instance.partPath));
    return stems;
  }
  // A fresh session opens the assembly: every component found, each with its one body.
  void ExpectReopensWhole(const std::string& gbkFile, size_t components) {
    session().Reset();
    std::vector<std::string> notes;
    Part& back = files::OpenPart(HostPath(gbkFile), &notes);
    EXPECT_TRUE(notes.empty()) << notes.front();
    const auto children = occurrences().Children(occurrences().RootOccurrence(back));
    ASSERT_EQ(children.size(), components);
    for (auto* child : children) {
      ASSERT_NE(child->part, nullptr) << text::ToUtf8(child->partPath) << " not found";
      EXPECT_EQ(occurrences().BodyOccurrences(*child).size(), 1u);
    }
  }
  // Every working file is where and as it was, and nothing carries the new prefix.
  void ExpectNothingRenamed(const std::string& assembly = "XJ01-ASM") {
    EXPECT_TRUE(OnDisk(assembly + ".prt"));
    for (const auto& [stem, bytes] : before) EXPECT_EQ(Bytes(stem + ".prt"), bytes) << text::ToUtf8(stem);
    for (const auto& entry : fs::directory_iterator(folder))
      EXPECT_NE(entry.path().filename().string().rfind("BF-", 0), 0u) << entry.path();
  }
  std::vector<std::string> Messages() { return Shown("message"); }
  std::map<std::string, std::string> before;  // component stem -> its file's bytes
};

// ---- the naming rules

TEST(BackupNames, SharedPrefixNeedsSixtyPercentOfAllNames) {
  std::string prefix;
  EXPECT_EQ(kzt::most_shared_prefix({"XJ01-BASE-1", "XJ01-PLATE-2", "XJ01-FRAME-3"}, prefix), 1);
  EXPECT_EQ(prefix, "XJ01");
  // 3 of 5 is exactly 60 %: shared; 2 of 5 is not.
  EXPECT_EQ(kzt::most_shared_prefix({"XJ01-A-1", "K-D-4", "XJ01-B-2", "M-E-5", "XJ01-C-3"}, prefix), 1);
  EXPECT_EQ(prefix, "XJ01");
  EXPECT_EQ(kzt::most_shared_prefix({"XJ01-A-1", "K-D-4", "XJ01-B-2", "M-E-5", "N-C-3"}, prefix), 2);
  EXPECT_EQ(prefix, "XJ01");
  // Ties go to the last in list order; names without a hyphen count among all names.
  EXPECT_EQ(kzt::most_shared_prefix({"XJ01-BASE-1", "XJ02-PLATE-2", "XJ03-FRAME-3"}, prefix), 2);
  EXPECT_EQ(prefix, "XJ03");
  EXPECT_EQ(kzt::most_shared_prefix({"A-1", "A-2", "PLAIN"}, prefix), 1) << "2 of 3";
  EXPECT_EQ(kzt::most_shared_prefix({"A-1", "PLAIN", "OTHER"}, prefix), 2) << "1 of 3";
  EXPECT_EQ(kzt::most_shared_prefix({"PLAIN"}, prefix), 2);
  EXPECT_EQ(prefix, "");
  EXPECT_EQ(kzt::most_shared_prefix({}, prefix), 2) << "no components: no ratio";
}

TEST(BackupNames, TheRestFollowsTheSharedPrefixOnly) {
  EXPECT_EQ(kzt::name_behind_prefix("XJ01-BASE-1", "XJ01", true), "BASE-1");
  EXPECT_EQ(kzt::name_behind_prefix("XJ01-BASE-1", "XJ01", false), "XJ01-BASE-1");
  EXPECT_EQ(kzt::name_behind_prefix("XJ011-BASE-1", "XJ01", true), "XJ011-BASE-1") << "a whole prefix only";
  EXPECT_EQ(kzt::name_behind_prefix("底板", "XJ01", true), "底板");
  EXPECT_EQ(kzt::backup_folder("D:\\p\\", "XJ01-ASM"), "D:\\p\\XJ01-ASM(备份)");
  EXPECT_EQ(kzt::backup_folder("D:\\p", "XJ01-ASM"), "D:\\pXJ01-ASM(备份)") << "joined as it stands";
  EXPECT_TRUE(kzt::usable_file_name("BF"));
  EXPECT_TRUE(kzt::usable_file_name("备份乗")) << "a trail byte 0x5C is no backslash";
  for (const char* bad : {"", "B/F", "B\\F", "A:B", "B*", "B?", "B|F", "B\"F", "<B>"})
    EXPECT_FALSE(kzt::usable_file_name(bad)) << bad;
}

// ---- job 1 on disk

TEST_F(DrawingBackup, CopiesEveryFileThenRenamesItBehindTheNewPrefix) {
  MakeAssembly({"XJ01-BASE-1", "XJ01-PLATE-2", "XJ01-FRAME-3"});
  kzt::DrawingState state;
  std::string prefix;
  {
    const kzt::UfSession uf;
    UF_ASSEM_set_work_part(UF_PART_ask_display_part());
  }
  EXPECT_EQ(kzt::判断图纸是否备份过(state, prefix), 1);
  EXPECT_EQ(prefix, "XJ01");
  BackUp();
  EXPECT_TRUE(Messages().empty()) << Messages().front();

  const std::string backup = "XJ01-ASM(备份)/";
  for (const char* stem : {"XJ01-BASE-1", "XJ01-PLATE-2", "XJ01-FRAME-3"}) {
    EXPECT_EQ(Bytes(backup + stem + ".prt"), before[stem]) << "copied as it was: " << stem;
    EXPECT_FALSE(OnDisk(std::string(stem) + ".prt")) << "the old working file is gone: " << stem;
  }
  EXPECT_TRUE(OnDisk(backup + "XJ01-ASM.prt"));
  EXPECT_FALSE(OnDisk("XJ01-ASM.prt"));
  for (const char* renamed : {"BF-ASM", "BF-BASE-1", "BF-PLATE-2", "BF-FRAME-3"})
    EXPECT_TRUE(OnDisk(std::string(renamed) + ".prt")) << renamed;
  EXPECT_EQ(PlacedIn("BF-ASM.prt"), (std::vector<std::string>{"BF-BASE-1", "BF-PLATE-2", "BF-FRAME-3"}));
  // The backup stands on its own: its assembly finds the copies beside it.
  const auto copied = files::ReadPart(HostPath(backup + "XJ01-ASM.prt"));
  for (const auto& instance : copied->Instances())
    EXPECT_TRUE(fs::exists(ToLocalPath(instance.partPath)) &&
                SameHostPath(HostFolder(instance.partPath), HostPath("XJ01-ASM(备份)")))
        << text::ToUtf8(instance.partPath);
  EXPECT_EQ(HostFileStem(session().Displayed()->path), "BF-ASM") << "the session goes on with the new names";
  ExpectReopensWhole("BF-ASM.prt", 3);
}

TEST_F(DrawingBackup, BelowSixtyPercentEveryNameKeepsItsWholeText) {
  MakeAssembly({"XJ01-BASE-1", "XJ02-PLATE-2", "XJ03-FRAME-3"});
  BackUp();
  EXPECT_TRUE(Messages().empty()) << Messages().front();
  EXPECT_EQ(PlacedIn("BF-XJ01-ASM.prt"),
            (std::vector<std::string>{"BF-XJ01-BASE-1", "BF-XJ02-PLATE-2", "BF-XJ03-FRAME-3"}));
  for (const char* stem : {"XJ01-ASM", "XJ01-BASE-1", "XJ02-PLATE-2", "XJ03-FRAME-3"}) {
    EXPECT_TRUE(OnDisk("XJ01-ASM(备份)/" + std::string(stem) + ".prt")) << stem;
    EXPECT_FALSE(OnDisk(std::string(stem) + ".prt")) << stem;
  }
  ExpectReopensWhole("BF-XJ01-ASM.prt", 3);
}

TEST_F(DrawingBackup, ThreeOfFiveSharingCountsAsShared) {
  MakeAssembly({"XJ01-A-1", "XJ01-B-2", "XJ01-C-3", "K-D-4", "M-E-5"});
  BackUp("NEW");
  EXPECT_TRUE(Messages().empty()) << Messages().front();
  EXPECT_EQ(PlacedIn("NEW-ASM.prt"), (std::vector<std::string>{"NEW-A-1", "NEW-B-2", "NEW-C-3", "NEW-K-D-4",
                                                                "NEW-M-E-5"}));
  ExpectReopensWhole("NEW-ASM.prt", 5);
}

TEST_F(DrawingBackup, AnExistingBackupFolderIsReusedAndItsOlderCopiesReplaced) {
  MakeAssembly({"XJ01-BASE-1", "XJ01-PLATE-2"});
  fs::create_directories(Local("XJ01-ASM(备份)"));
  { std::ofstream(Local("XJ01-ASM(备份)/notes.txt")) << "kept"; }
  { std::ofstream(Local("XJ01-ASM(备份)/XJ01-BASE-1.prt")) << "last week's copy"; }
  BackUp();
  EXPECT_TRUE(Messages().empty()) << Messages().front();
  EXPECT_EQ(Bytes("XJ01-ASM(备份)/notes.txt"), "kept");
  EXPECT_EQ(Bytes("XJ01-ASM(备份)/XJ01-BASE-1.prt"), before["XJ01-BASE-1"]);
  EXPECT_TRUE(OnDisk("BF-BASE-1.prt"));
}

TEST_F(DrawingBackup, DrawingViewsFollowTheRenamedPartsTheyShow) {
  // Component mode draws each part through a view of its own part file.
  MakeProduct({{"FRAME-3", {"BASE", "PLATE"}}});
  Run(kComponentModeRun);
  platform::ui::ClearHistory();
  BackUp();
  EXPECT_TRUE(Messages().empty()) << Messages().front();
  session().Reset();
  Part& back = files::OpenPart(HostPath("BF-总装-0.prt"));
  const auto sheets = drafting::SheetsOf(back);
  ASSERT_EQ(sheets.size(), 4u);
  int shown = 0;
  for (auto* sheet : sheets)
    for (auto* view : drafting::ViewsOf(*sheet)) {
      if (view->modelPartPath.empty()) continue;
      ++shown;
      EXPECT_EQ(HostFileStem(view->modelPartPath).rfind("BF-", 0), 0u) << text::ToUtf8(view->modelPartPath);
      EXPECT_NO_THROW(drafting::UpdateView(*view)) << text::ToUtf8(sheet->name) << " " << text::ToUtf8(view->name);
    }
  EXPECT_GT(shown, 0) << "views of component parts were checked";
}

TEST_F(DrawingBackup, TheBackupCopysDrawingsShowTheCopiesBesideThemAndDrawAgain) {
  // The copies keep the old names, whose working files the backup renames away; a view
  // that kept the working file's path would show a part that is no longer there.
  MakeProduct({{"FRAME-3", {"BASE", "PLATE"}}});
  Run(kComponentModeRun);
  // Saved whole first: the backup copies the files as they are on disk.
  for (const auto& part : session().Parts()) files::SavePart(*part, part->path);
  platform::ui::ClearHistory();
  BackUp();
  ASSERT_TRUE(Messages().empty()) << Messages().front();
  session().Reset();
  const std::string copyFolder = HostPath("总装-0(备份)");
  Part& copy = files::OpenPart(copyFolder + "\\总装-0.prt");
  session().SetDisplayed(&copy);
  int shown = 0;
  for (auto* sheet : drafting::SheetsOf(copy))
    for (auto* view : drafting::ViewsOf(*sheet)) {
      if (view->modelPartPath.empty()) continue;
      ++shown;
      EXPECT_TRUE(SameHostPath(HostFolder(view->modelPartPath), copyFolder)) << text::ToUtf8(view->modelPartPath);
      EXPECT_NE(session().FindPartByPath(view->modelPartPath), nullptr) << text::ToUtf8(view->modelPartPath);
    }
  EXPECT_EQ(shown, 16) << "four views on each of the four sheets, the general arrangement's of the copy itself";
  // Drawing again in the copy: every view updates, no sheet is added.
  const auto sheetsBefore = kzt::sheet_names();
  Run(kComponentModeRun);
  EXPECT_TRUE(Shown("error box").empty()) << Shown("error box").front();
  EXPECT_EQ(kzt::sheet_names(), sheetsBefore);
  for (auto* sheet : drafting::SheetsOf(copy))
    for (auto* view : drafting::ViewsOf(*sheet)) EXPECT_NO_THROW(drafting::UpdateView(*view)) << text::ToUtf8(view->name);
}

TEST_F(DrawingBackup, TheSamePrefixAgainOnlyCopiesAndKeepsEveryFile) {
  // New names equal to the old ones: saving and then deleting "the old file" would
  // delete the only one.
  MakeAssembly({"XJ01-BASE-1", "XJ01-PLATE-2"});
  BackUp("XJ01");
  EXPECT_TRUE(Messages().empty()) << Messages().front();
  for (const char* stem : {"XJ01-ASM", "XJ01-BASE-1", "XJ01-PLATE-2"}) {
    EXPECT_TRUE(OnDisk(std::string(stem) + ".prt")) << stem;
    EXPECT_TRUE(OnDisk("XJ01-ASM(备份)/" + std::string(stem) + ".prt")) << stem;
  }
  ExpectReopensWhole("XJ01-ASM.prt", 2);
}

// ---- job 2 on disk

TEST_F(DrawingBackup, RenameJobRenamesOneComponentAndTheAssemblyOnDiskFollows) {
  MakeAssembly({"XJ01-BASE-1", "XJ01-PLATE-2", "XJ01-FRAME-3"});
  Rename("XJ01-PLATE-2", "XJ01-PLATE-9");
  EXPECT_TRUE(Messages().empty()) << Messages().front();
  EXPECT_EQ(Bytes("XJ01-PLATE-9.prt").empty(), false);
  EXPECT_FALSE(OnDisk("XJ01-PLATE-2.prt"));
  EXPECT_EQ(PlacedIn("XJ01-ASM.prt"), (std::vector<std::string>{"XJ01-BASE-1", "XJ01-PLATE-9", "XJ01-FRAME-3"}))
      << "the assembly is saved before the old file goes";
  EXPECT_EQ(Bytes("XJ01-BASE-1.prt"), before["XJ01-BASE-1"]) << "other components untouched";
  EXPECT_FALSE(fs::exists(Local("XJ01-ASM(备份)"))) << "no backup in job 2";
  ExpectReopensWhole("XJ01-ASM.prt", 3);
}

TEST_F(DrawingBackup, RenameJobRefusesWhatWouldLoseAFile) {
  MakeAssembly({"XJ01-BASE-1", "XJ01-PLATE-2"});
  // The same name: the old file would be deleted right after being written.
  Rename("XJ01-PLATE-2", "XJ01-PLATE-2");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find(Utf8("相同")), std::string::npos) << Messages()[0];
  EXPECT_EQ(Bytes("XJ01-PLATE-2.prt"), before["XJ01-PLATE-2"]);
  // A read-only file under the new name is neither replaced nor taken.
  { std::ofstream(Local("XJ01-PLATE-7.prt")) << "another part"; }
  ::chmod(Local("XJ01-PLATE-7.prt").c_str(), 0444);
  platform::ui::ClearHistory();
  Rename("XJ01-PLATE-2", "XJ01-PLATE-7");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("XJ01-PLATE-7.prt"), std::string::npos) << Messages()[0];
  EXPECT_NE(Messages()[0].find(Utf8("只读")), std::string::npos) << Messages()[0];
  EXPECT_EQ(Bytes("XJ01-PLATE-7.prt"), "another part");
  ::chmod(Local("XJ01-PLATE-7.prt").c_str(), 0644);
  // No new name.
  platform::ui::ClearHistory();
  Rename("XJ01-PLATE-2", "");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find(Utf8("不能用作文件名")), std::string::npos) << Messages()[0];
  EXPECT_EQ(Bytes("XJ01-PLATE-2.prt"), before["XJ01-PLATE-2"]);
  EXPECT_EQ(PlacedIn("XJ01-ASM.prt"), (std::vector<std::string>{"XJ01-BASE-1", "XJ01-PLATE-2"}));
}

TEST_F(DrawingBackup, RenameJobNamesAComponentWhosePartIsNotLoaded) {
  MakeAssembly({"XJ01-BASE-1", "XJ01-PLATE-2"});
  session().ClosePart(*session().FindPartByFileName("XJ01-PLATE-2.prt"));
  Rename("XJ01-PLATE-2", "XJ01-PLATE-9");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("XJ01-PLATE-2"), std::string::npos) << Messages()[0];
  EXPECT_NE(Messages()[0].find(Utf8("未加载")), std::string::npos) << Messages()[0];
  EXPECT_EQ(Bytes("XJ01-PLATE-2.prt"), before["XJ01-PLATE-2"]);
  EXPECT_FALSE(OnDisk("XJ01-PLATE-9.prt"));
}

// ---- job 1 refused or stopped: every working file stays

TEST_F(DrawingBackup, BackupFolderThatCannotBeMadeStopsBeforeAnyChange) {
  MakeAssembly({"XJ01-BASE-1", "XJ01-PLATE-2"});
  const std::string missing = HostPath("no-such-folder\\");
  BackUp("BF", &missing);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find(Utf8("无法创建备份文件夹")), std::string::npos) << Messages()[0];
  EXPECT_NE(Messages()[0].find(Utf8("no-such-folder\\XJ01-ASM(备份)")), std::string::npos) << Messages()[0];
  ExpectNothingRenamed();
  EXPECT_EQ(HostFileStem(session().Displayed()->path), "XJ01-ASM");
  // No folder chosen, a prefix no file name can hold: refused the same way.
  const std::string none;
  for (const auto& [prefix, folderText, says] :
       std::vector<std::tuple<std::string, const std::string*, std::string>>{
           {"BF", &none, "请选择备份文件夹"}, {"B/F", nullptr, "不能用作文件名"}, {"", nullptr, "不能用作文件名"}}) {
    platform::ui::ClearHistory();
    BackUp(prefix, folderText);
    ASSERT_EQ(Messages().size(), 1u) << text::ToUtf8(prefix);
    EXPECT_NE(Messages()[0].find(Utf8(says)), std::string::npos) << Messages()[0];
  }
  ExpectNothingRenamed();
  EXPECT_FALSE(fs::exists(Local("XJ01-ASM(备份)")));
}

TEST_F(DrawingBackup, ATargetThatExistsStopsBeforeAnyChange) {
  MakeAssembly({"XJ01-BASE-1", "XJ01-PLATE-2", "XJ01-FRAME-3"});
  { std::ofstream(Local("BF-PLATE-2.prt")) << "read-only part"; }
  ::chmod(Local("BF-PLATE-2.prt").c_str(), 0444);
  BackUp();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("BF-PLATE-2.prt"), std::string::npos) << Messages()[0];
  EXPECT_NE(Messages()[0].find(Utf8("只读")), std::string::npos) << Messages()[0];
  EXPECT_EQ(Bytes("BF-PLATE-2.prt"), "read-only part");
  ::chmod(Local("BF-PLATE-2.prt").c_str(), 0644);
  fs::rename(Local("BF-PLATE-2.prt"), folder + "/kept-aside.txt");
  ExpectNothingRenamed();
  // Writable, it is still another file: not replaced either.
  fs::rename(folder + "/kept-aside.txt", Local("BF-FRAME-3.prt"));
  platform::ui::ClearHistory();
  BackUp();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("BF-FRAME-3.prt"), std::string::npos) << Messages()[0];
  EXPECT_EQ(Bytes("BF-FRAME-3.prt"), "read-only part");
  EXPECT_FALSE(OnDisk("BF-BASE-1.prt"));
  EXPECT_FALSE(OnDisk("BF-ASM.prt"));
}

TEST_F(DrawingBackup, AComponentWhosePartIsNotLoadedStopsBeforeAnyChange) {
  MakeAssembly({"XJ01-BASE-1", "XJ01-PLATE-2", "XJ01-FRAME-3"});
  session().ClosePart(*session().FindPartByFileName("XJ01-FRAME-3.prt"));
  BackUp();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("XJ01-FRAME-3"), std::string::npos) << Messages()[0];
  EXPECT_NE(Messages()[0].find(Utf8("未加载")), std::string::npos) << Messages()[0];
  ExpectNothingRenamed();
  EXPECT_FALSE(fs::exists(Local("XJ01-ASM(备份)")));
}

TEST_F(DrawingBackup, ACopyThatFailsStopsBeforeAnyRename) {
  MakeAssembly({"XJ01-BASE-1", "XJ01-PLATE-2"});
  fs::create_directories(Local("XJ01-ASM(备份)"));
  { std::ofstream(Local("XJ01-ASM(备份)/XJ01-PLATE-2.prt")) << "a copy someone locked"; }
  ::chmod(Local("XJ01-ASM(备份)/XJ01-PLATE-2.prt").c_str(), 0444);
  BackUp();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find(Utf8("XJ01-ASM(备份)\\XJ01-PLATE-2.prt")), std::string::npos) << Messages()[0];
  EXPECT_NE(Messages()[0].find("read-only"), std::string::npos) << "the host's reason: " << Messages()[0];
  ExpectNothingRenamed();
  ::chmod(Local("XJ01-ASM(备份)/XJ01-PLATE-2.prt").c_str(), 0644);
  ExpectReopensWhole("XJ01-ASM.prt", 2);
}

TEST_F(DrawingBackup, AReadOnlyWorkingFileStopsBeforeAnyChange) {
  // It could be written under its new name but never deleted: two copies of one part.
  MakeAssembly({"XJ01-BASE-1", "XJ01-PLATE-2"});
  ::chmod(Local("XJ01-BASE-1.prt").c_str(), 0444);
  BackUp();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("XJ01-BASE-1.prt"), std::string::npos) << Messages()[0];
  ::chmod(Local("XJ01-BASE-1.prt").c_str(), 0644);
  ExpectNothingRenamed();
}
