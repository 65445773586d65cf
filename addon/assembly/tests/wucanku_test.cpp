// The standard-part library dialog on a library folder of real part files: the tree, the
// previews, imports placed at the orientation and moved with it, the context menu, and
// bad libraries. Journal text is UTF-8; literals compared with shown messages are GBK.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "addon/host/tests/journal_fixture.h"
#include "platform/files/part_file.h"
#include "platform/geometry/body.h"
#include "platform/objects/group.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

using namespace platform;
using fabdoc_test::AddBox;
using fabdoc_test::ExpectBox;
namespace fs = std::filesystem;

namespace {
// UTF-8 text written in this GBK-compiled file.
std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }
}  // namespace

class StandardPartLibrary : public kzt_test::CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    if (const char* old = std::getenv("UGII_BASE_DIR")) savedBase = old;
    base = folder + "/base";
    library = base + "/kzt-1/wucanku";
    fs::create_directories(library + "/A");
    setenv("UGII_BASE_DIR", base.c_str(), 1);
    work = &session().NewPart(ToAbsoluteHostPath(folder + "/work.prt"));
    session().SetDisplayed(work);
  }
  void TearDown() override {
    if (savedBase.empty()) unsetenv("UGII_BASE_DIR");
    else setenv("UGII_BASE_DIR", savedBase.c_str(), 1);
    CommandTest::TearDown();
  }
  // A part file holding one box from the origin.
  void WriteBoxPart(const std::string& local, double dx, double dy, double dz) {
    Part& part = session().NewPart(ToAbsoluteHostPath(local));
    AddBox(part, 0, 0, 0, dx, dy, dz, "box");
    files::SavePart(part, part.path);
    session().ClosePart(part);
    session().SetDisplayed(work);
  }
  void WriteText(const std::string& local, const std::string& text) { std::ofstream(local, std::ios::binary) << text; }
  // The folder A with x.prt (10 x 20 x 30), its picture x.bmp, y.prt (5 x 5 x 5), a
  // note, and B with z.PRT.
  void MakeLibrary() {
    WriteBoxPart(library + "/A/x.prt", 10, 20, 30);
    WriteText(library + "/A/x.bmp", "BM");
    WriteBoxPart(library + "/A/y.prt", 5, 5, 5);
    WriteText(library + "/A/notes.txt", "not a part");
    fs::create_directories(library + "/B");
    WriteBoxPart(library + "/B/z.PRT", 1, 2, 3);
  }
  // A local path as the host shows it (UTF-8), and as journal text quotes it.
  std::string Host(const std::string& local) { return text::ToUtf8(ToAbsoluteHostPath(local)); }
  static std::string Esc(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return out;
  }
  std::string RunText(const std::string& utf8) { return RunCapturing(reinterpret_cast<const char8_t*>(utf8.c_str())); }
  // The boxes of the work part's bodies, in order.
  std::vector<Box> Boxes() {
    std::vector<Box> boxes;
    for (const auto& object : work->Objects())
      if (auto* body = dynamic_cast<Body*>(object.get())) boxes.push_back(body->AxisBox());
    return boxes;
  }
  std::string savedBase, base, library;
  Part* work = nullptr;
};

TEST_F(StandardPartLibrary, TreeListsFoldersAndPartFilesWithTheirPathsAsTooltips) {
  MakeLibrary();
  const std::string out = RunText(R"J(
action wucanku
  print tree_control0
  print drawingArea0
  cancel
)J");
  const std::string a = Esc(Host(library + "/A")), b = Esc(Host(library + "/B"));
  const std::string expected = "tree_control0 =\n"
                               "  A [fileopen] collapsed tooltip \"" + a + "\"\n"
                               "    x.prt [piecepart] tooltip \"" + a + "\\\\x.prt\"\n"
                               "    y.prt [piecepart] tooltip \"" + a + "\\\\y.prt\"\n"
                               "  B [fileopen] collapsed tooltip \"" + b + "\"\n"
                               "    z.PRT [piecepart] tooltip \"" + b + "\\\\z.PRT\"\n";
  EXPECT_NE(out.find(expected), std::string::npos) << out;
  EXPECT_NE(out.find("drawingArea0 = \"" + Esc(Host(library)) + "\\\\welcome.bmp\""), std::string::npos) << out;
  EXPECT_TRUE(work->Objects().empty()) << "showing the library imports nothing";
}

TEST_F(StandardPartLibrary, PreviewsShowThePictureBesideThePartOrTheStandInPictures) {
  MakeLibrary();
  RunText(R"J(
action wucanku
  select tree_control0 node:A/x.prt
  expect drawingArea0 ")J" + Esc(Host(library + "/A")) + R"J(\\x.bmp"
  select tree_control0 node:A/y.prt
  expect drawingArea0 ")J" + Esc(Host(library)) + R"J(\\nobitmap.bmp"
  select tree_control0 node:B
  expect drawingArea0 ")J" + Esc(Host(library)) + R"J(\\floder.bmp"
  cancel
)J");
  EXPECT_TRUE(Boxes().empty()) << "x was imported, replaced by y, and y removed when the folder was chosen";
}

TEST_F(StandardPartLibrary, ImportIsPlacedAtTheOrientationAndMovesWithIt) {
  MakeLibrary();
  // Before any import, moving the orientation does nothing.
  RunText(R"J(
action wucanku
  set manip0.Origin 100,0,0
  set manip0.YAxis 0,0,1
  set manip0.XAxis 0,1,0
  select tree_control0 node:A/x.prt
  ok
)J");
  // Local X along global Y, local Y along global Z, local Z along global X.
  ASSERT_EQ(Boxes().size(), 1u);
  ExpectBox(Boxes()[0], {100, 0, 0}, {130, 10, 20});
  int groups = 0;
  for (const auto& object : work->Objects()) groups += dynamic_cast<Group*>(object.get()) != nullptr;
  EXPECT_EQ(groups, 1) << "the import is one group";

  RunText(R"J(
action wucanku
  set manip0.Origin 100,0,0
  set manip0.YAxis 0,0,1
  set manip0.XAxis 0,1,0
  select tree_control0 node:B/z.PRT
  set manip0.Origin 100,50,0
  set manip0.XAxis 1,0,0
  ok
)J");
  ASSERT_EQ(Boxes().size(), 2u);
  ExpectBox(Boxes()[0], {100, 0, 0}, {130, 10, 20});  // the earlier import stays where it was
  // z (1 x 2 x 3) at (100, 50, 0) with X along X, Y along Z, Z = X x Y along -Y.
  ExpectBox(Boxes()[1], {100, 47, 0}, {101, 50, 2});
}

TEST_F(StandardPartLibrary, ChangingThePartReplacesTheImportAndTheLayerToggleUsesTheWorkLayer) {
  MakeLibrary();
  work->layers.work = 33;
  RunText(R"J(
action wucanku
  select tree_control0 node:A/x.prt
  set toggle0 true
  select tree_control0 node:A/y.prt
  ok
)J");
  ASSERT_EQ(Boxes().size(), 1u) << "x's import went when y was chosen";
  ExpectBox(Boxes()[0], {0, 0, 0}, {5, 5, 5});
  for (const auto& object : work->Objects())
    if (dynamic_cast<Body*>(object.get())) {
      EXPECT_EQ(object->display.layer, 33);
    }
}

TEST_F(StandardPartLibrary, ContextMenuExpandsAndCollapses) {
  MakeLibrary();
  const std::string out = RunText(U8(u8R"J(
action wucanku
  menu tree_control0 "全部展开"
  print tree_control0
  menu tree_control0 "全部折叠"
  select tree_control0 node:B
  menu tree_control0 "展开至选定的" node:B
  print tree_control0
  cancel
)J"));
  const size_t second = out.find("tree_control0 =", out.find("tree_control0 =") + 1);
  ASSERT_NE(second, std::string::npos) << out;
  const std::string first = out.substr(0, second), last = out.substr(second);
  EXPECT_NE(first.find("  A [fileopen] expanded"), std::string::npos) << first;
  EXPECT_NE(first.find("  B [fileopen] expanded"), std::string::npos) << first;
  EXPECT_NE(last.find("  A [fileopen] collapsed"), std::string::npos) << last;
  EXPECT_NE(last.find("  B [fileopen] expanded selected"), std::string::npos) << last;
}

TEST_F(StandardPartLibrary, CollapseAllWithASelectionCollapsesEveryTopNode) {
  MakeLibrary();
  const std::string out = RunText(U8(u8R"J(
action wucanku
  menu tree_control0 "全部展开"
  select tree_control0 node:A
  menu tree_control0 "全部折叠" node:A
  print tree_control0
  cancel
)J"));
  EXPECT_NE(out.find("  A [fileopen] collapsed selected"), std::string::npos) << out;
  EXPECT_NE(out.find("  B [fileopen] collapsed tooltip"), std::string::npos) << out;
}

TEST_F(StandardPartLibrary, MenuWithoutSelectionDoesNotOfferExpandToSelected) {
  MakeLibrary();
  try {
    RunText(U8(u8R"J(
action wucanku
  menu tree_control0 "展开至选定的"
  cancel
)J"));
    FAIL() << "the item is not on the menu without a selection";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find(U8(u8"offers \"全部折叠\", \"全部展开\"")), std::string::npos) << e.what();
  }
}

TEST_F(StandardPartLibrary, CorruptPartFileIsReportedAndTheWorkPartKeepsWhatItHad) {
  MakeLibrary();
  WriteText(library + "/A/bad.prt", "this is not a part file");
  AddBox(*work, 0, 0, 0, 1, 1, 1, "mine");
  const std::string out = RunText(R"J(
action wucanku
  select tree_control0 node:A/bad.prt
  select tree_control0 node:A/y.prt
  ok
)J");
  EXPECT_NE(out.find(Utf8("标准件未能导入: ") + Host(library + "/A") + "\\bad.prt"), std::string::npos) << out;
  ASSERT_EQ(Boxes().size(), 2u) << "the failed import left nothing; y then came in";
  ExpectBox(Boxes()[0], {0, 0, 0}, {1, 1, 1});
  ExpectBox(Boxes()[1], {0, 0, 0}, {5, 5, 5});
}

TEST_F(StandardPartLibrary, UnreadableLibraryFolderGivesAnEmptyTreeAndSaysSo) {
  fs::remove_all(library);
  WriteText(library, "a file where the library folder should be");
  AddBox(*work, 0, 0, 0, 1, 1, 1, "mine");
  const std::string out = RunText(R"J(
action wucanku
  print tree_control0
  cancel
)J");
  EXPECT_NE(out.find(Utf8("标准件库文件夹不存在或无法读取: ") + Host(library)), std::string::npos) << out;
  EXPECT_NE(out.find("tree_control0 =\n"), std::string::npos);
  EXPECT_EQ(out.find("[fileopen]"), std::string::npos) << out;
  EXPECT_EQ(work->Objects().size(), 1u);
}

// The library the build writes: a bolt ISO 4017 M12 x 40 comes in at its real size.
TEST_F(StandardPartLibrary, BuiltLibraryBoltHasItsStandardDimensions) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  const std::string data = std::string(source ? source : FABDOC_TEST_SOURCE_DIR) + "/data";
  setenv("UGII_BASE_DIR", data.c_str(), 1);
  const std::string out = RunText(U8(u8R"J(
action wucanku
  print tree_control0
  select tree_control0 node:螺栓/M12x40.prt
  ok
)J"));
  for (const char8_t* folder : {u8"螺栓", u8"螺母", u8"垫圈", u8"吊环", u8"调节脚"})
    EXPECT_NE(out.find("  " + U8(folder) + " [fileopen]"), std::string::npos) << U8(folder) << "\n" << out;
  ASSERT_EQ(Boxes().size(), 1u);
  // Head across flats 18 (corners 20.78), height 7.5; shank 12 x 40 below.
  const double corners = 18 / std::sqrt(3.0);
  ExpectBox(Boxes()[0], {-9, -corners, -40}, {9, corners, 7.5});
  const double volume = std::sqrt(3.0) / 2 * 18 * 18 * 7.5 + M_PI * 36 * 40;
  for (const auto& object : work->Objects())
    if (auto* body = dynamic_cast<Body*>(object.get())) {
      EXPECT_NEAR(body->Mass().volume, volume, 1e-3 * volume);
    }
  // Its preview is a 240 x 180 24-bit bitmap.
  std::ifstream bmp(data + U8(u8"/kzt-1/wucanku/螺栓/M12x40.bmp"), std::ios::binary);
  unsigned char header[54] = {};
  ASSERT_TRUE(bmp.read(reinterpret_cast<char*>(header), sizeof header));
  EXPECT_EQ(header[0], 'B');
  EXPECT_EQ(header[1], 'M');
  EXPECT_EQ(header[18] | header[19] << 8, 240);
  EXPECT_EQ(header[22] | header[23] << 8, 180);
  EXPECT_EQ(header[28], 24);
}
