// Sheets: made from the templates, named, numbered, current, deleted; bad names and
// missing templates refused with nothing made.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/files/part_file.h"
#include "platform/files/sheet_template.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tabular_note.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/views.h"
#include "platform/base/host_error.h"
#include "platform/text/gbk.h"

using namespace platform;
using namespace platform::drafting;
namespace fs = std::filesystem;

namespace {

class Sheets : public fabdoc_test::DraftingTest {
protected:
  Part& part = session().NewPart("\\p\\frame.prt");
};

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const HostError& e) {
    return e.what();
  }
  return "(no error)";
}

const std::string kPlaceholders[] = {"定义材料", "定义后图号", "定义数量", "定义总数", "定义图纸名称"};
const std::string kLabels[] = {"设计", "审核", "比例", "材料", "数量", "图号"};

}  // namespace

TEST_F(Sheets, TemplatesHaveTheirSizeFrameAndTitleBlockCells) {
  const struct { const char* file; double width, height; } formats[] = {
      {"A3_zong.prt", 420, 297}, {"A3_bujian.prt", 420, 297}, {"A4_nj.prt", 210, 297}};
  for (const auto& format : formats) {
    SCOPED_TRACE(format.file);
    DrawingSheet& sheet = AddSheetFromTemplate(part, SheetTemplate(format.file), "");
    EXPECT_EQ(sheet.width, format.width);
    EXPECT_EQ(sheet.height, format.height);
    EXPECT_EQ(sheet.templatePath, SheetTemplate(format.file));
    EXPECT_GT(sheet.frame.size(), 10u) << "border, frame, centring marks, title block, symbol";
    const auto notes = NotesOf(sheet);
    ASSERT_EQ(notes.size(), 1u);
    std::string all;
    for (const auto& cell : notes[0]->cells) all += text::ToUtf8(cell) + "|";
    for (const auto& text : kPlaceholders) EXPECT_NE(all.find(text), std::string::npos) << text;
    for (const auto& text : kLabels) EXPECT_NE(all.find(text), std::string::npos) << text;
    // The title block sits in the frame's lower right corner.
    const TabularNote& block = *notes[0];
    double width = 0, height = 0;
    for (double w : block.columnWidths) width += w;
    for (double h : block.rowHeights) height += h;
    EXPECT_DOUBLE_EQ(block.position[0] + width, format.width - 5);
    EXPECT_DOUBLE_EQ(block.position[1] - height, 5);
    // No line of the frame runs into the title block (its own outline lies on its edge;
    // the projection symbol is drawn in its cell and is not a crossing line).
    const double x0 = block.position[0], y0 = block.position[1] - height, x1 = x0 + width, y1 = block.position[1];
    for (const FrameCurve& c : sheet.frame) {
      if (c.IsArc() || c.thick == false) continue;
      const bool vertical = c.x1 == c.x2;
      const double lo = vertical ? std::min(c.y1, c.y2) : std::min(c.x1, c.x2);
      const double hi = vertical ? std::max(c.y1, c.y2) : std::max(c.x1, c.x2);
      const double across = vertical ? c.x1 : c.y1;
      const bool insideAcross = vertical ? (x0 < across && across < x1) : (y0 < across && across < y1);
      const bool overlapsAlong = vertical ? (lo < y1 - 1e-9 && hi > y0 + 1e-9) : (lo < x1 - 1e-9 && hi > x0 + 1e-9);
      EXPECT_FALSE(insideAcross && overlapsAlong) << "thick line " << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2;
    }
  }
  EXPECT_EQ(SheetsOf(part).size(), 3u);
}

TEST_F(Sheets, NumberedNamedAndCurrentInOrder) {
  DrawingSheet& first = AddSheetFromTemplate(part, SheetTemplate("A4_nj.prt"), text::ToGbk("000-1-BASE"));
  DrawingSheet& second = AddSheetFromTemplate(part, SheetTemplate("A3_zong.prt"), "");
  EXPECT_EQ(first.number, 1);
  EXPECT_EQ(second.number, 2);
  EXPECT_EQ(second.name, "SHT1") << "the host's name: the first free SHT<n>";
  EXPECT_EQ(CurrentSheet(part), &second);
  RenameSheet(second, text::ToGbk("000-0-总图"));
  EXPECT_EQ(FindSheet(part, text::ToGbk("000-0-总图")), &second);
  SetCurrentSheet(part, first);
  EXPECT_FALSE(second.current);
  const Tag noteOfFirst = NotesOf(first).front()->GetTag();
  DeleteSheet(first);
  EXPECT_EQ(session().Find(noteOfFirst), nullptr) << "its notes go with it";
  EXPECT_EQ(CurrentSheet(part), &second) << "another sheet becomes current";
  EXPECT_EQ(SheetsOf(part).size(), 1u);
}

TEST_F(Sheets, BadNamesAreRefusedNamingTheText) {
  DrawingSheet& sheet = AddSheetFromTemplate(part, SheetTemplate("A4_nj.prt"), "A-1");
  EXPECT_NE(ErrorOf([&] { AddSheetFromTemplate(part, SheetTemplate("A4_nj.prt"), "A/2"); }).find("\"A/2\" holds a slash"),
            std::string::npos);
  EXPECT_NE(ErrorOf([&] { RenameSheet(sheet, "A\\2"); }).find("backslash"), std::string::npos);
  EXPECT_NE(ErrorOf([&] { AddSheetFromTemplate(part, SheetTemplate("A4_nj.prt"), "A-1"); }).find("already has"),
            std::string::npos);
  EXPECT_NE(ErrorOf([&] { RenameSheet(sheet, ""); }).find("needs a name"), std::string::npos);
  EXPECT_EQ(SheetsOf(part).size(), 1u) << "nothing half-made";
  EXPECT_EQ(sheet.name, "A-1");
  // 0x5C as the second byte of a GBK character is no backslash.
  RenameSheet(sheet, "A\x81\x5C");
  EXPECT_EQ(sheet.name, "A\x81\x5C");
}

TEST_F(Sheets, MissingTemplateIsAClearErrorAndAddsNothing) {
  AddSheetFromTemplate(part, SheetTemplate("A4_nj.prt"), "KEPT");
  const std::string missing = SheetTemplate("A5_none.prt");
  const std::string error = ErrorOf([&] { AddSheetFromTemplate(part, missing, "NEW"); });
  EXPECT_NE(error.find("sheet template"), std::string::npos) << error;
  EXPECT_NE(error.find("A5_none.prt"), std::string::npos) << error;
  EXPECT_NE(error.find("does not exist"), std::string::npos) << error;
  ASSERT_EQ(SheetsOf(part).size(), 1u);
  EXPECT_EQ(CurrentSheet(part)->name, "KEPT");
}

TEST_F(Sheets, ATemplateChangedOnDiskIsReadAgain) {
  // Sheets made one after another from one file: each takes the file as it is then,
  // though a template is parsed once for as long as it stays the same.
  const fs::path folder = fs::temp_directory_path() / ("fabdoc-template-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const fs::path file = folder / "T.prt";
  const std::string path = ToAbsoluteHostPath(file.string());
  auto copyFrom = [&](const char* name) {
    fs::copy_file(ToLocalPath(SheetTemplate(name)), file, fs::copy_options::overwrite_existing);
  };
  copyFrom("A4_nj.prt");
  const DrawingSheet& a4 = AddSheetFromTemplate(part, path, "ONE");
  const DrawingSheet& again = AddSheetFromTemplate(part, path, "TWO");
  copyFrom("A3_zong.prt");
  const DrawingSheet& a3 = AddSheetFromTemplate(part, path, "THREE");
  EXPECT_EQ(a4.width, 210);
  EXPECT_EQ(again.width, 210);
  EXPECT_EQ(a3.width, 420);
  {
    std::ofstream damaged(file, std::ios::binary | std::ios::trunc);
    damaged << "not a part";
  }
  EXPECT_NE(ErrorOf([&] { AddSheetFromTemplate(part, path, "FOUR"); }).find("not a fabdoc .prt file"),
            std::string::npos);
  EXPECT_EQ(SheetsOf(part).size(), 3u);
  fs::remove_all(folder);
}

TEST_F(Sheets, EveryPartHasItsModelViewsWithoutBeingChanged) {
  part.modified = false;
  const auto views = ModelViewsOf(part);
  ASSERT_EQ(views.size(), 8u);
  const char* names[] = {"Front", "Top", "Right", "Left", "Back", "Bottom", "Isometric", "Trimetric"};
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(views[i]->name, names[i]);
  EXPECT_EQ(ModelViewsOf(part), views) << "made once";
  EXPECT_FALSE(part.modified);
  for (const auto& object : part.Objects()) EXPECT_NE(object->Type(), kViewType) << "not the part's own objects";
  const Tag front = views[0]->GetTag();
  session().ClosePart(part);
  EXPECT_EQ(session().Find(front), nullptr) << "gone with the part";
  Part& other = session().NewPart("\\p\\other.prt");
  EXPECT_NE(ErrorOf([&] { ModelViewOf(other, "Oblique"); }).find("no model view named \"Oblique\""), std::string::npos);
}

// The part keeps its sheets, views and notes indexed as they come and go; every lookup
// must agree with a walk over all of the part's objects, also after sheets were deleted
// from the middle and after the part was written and read back.
TEST_F(Sheets, LookupsAgreeWithAWalkOverEveryObject) {
  Part& model = session().NewPart("\\p\\plate.prt");
  fabdoc_test::AddBox(model, 0, 0, 0, 100, 50, 8);
  for (int i = 0; i < 12; ++i) {
    DrawingSheet& sheet = AddSheetFromTemplate(part, SheetTemplate("A4_nj.prt"), "S" + std::to_string(i));
    DraftingView& front = AddBaseView(sheet, model, "Front", 0.5, {80, 200});
    AddProjectedView(front, ProjectionDirection::Below, {80, 100});
  }
  DeleteSheet(*FindSheet(part, "S3"));
  DeleteSheet(*FindSheet(part, "S11"));  // the current one, and the last views made
  SetCurrentSheet(part, *FindSheet(part, "S5"));

  auto expectAsWalked = [](const Part& p) {
    std::vector<const DrawingSheet*> sheets;
    for (const auto& o : p.Objects())
      if (auto* s = dynamic_cast<const DrawingSheet*>(o.get())) sheets.push_back(s);
    const auto listed = SheetsOf(p);
    EXPECT_EQ(listed.size(), sheets.size());
    if (listed.size() != sheets.size()) return 0;
    int highest = 0;
    for (size_t i = 0; i < sheets.size(); ++i) {
      EXPECT_EQ(listed[i], sheets[i]) << "creation order";
      EXPECT_EQ(FindSheet(p, sheets[i]->name), sheets[i]);
      std::vector<const Object*> views, notes;
      for (const auto& o : p.Objects()) {
        if (auto* v = dynamic_cast<const DraftingView*>(o.get()); v && v->sheetPid == sheets[i]->pid) {
          views.push_back(v);
          highest = std::max(highest, std::atoi(v->name.c_str() + v->name.rfind('@') + 1));
        }
        if (auto* n = dynamic_cast<const TabularNote*>(o.get()); n && n->sheetPid == sheets[i]->pid) notes.push_back(n);
      }
      const auto viewList = ViewsOf(*sheets[i]);
      EXPECT_EQ(std::vector<const Object*>(viewList.begin(), viewList.end()), views);
      const auto noteList = NotesOf(*sheets[i]);
      EXPECT_EQ(std::vector<const Object*>(noteList.begin(), noteList.end()), notes);
      if (!views.empty()) {
        EXPECT_EQ(&SheetOf(*views.front()), sheets[i]);
      }
    }
    EXPECT_EQ(CurrentSheet(p)->name, "S5");
    return highest;
  };
  const int highest = expectAsWalked(part);
  // Two views a sheet, numbered through the part: S10's are @21 and @22, S11's were @23, @24.
  EXPECT_EQ(highest, 22);
  DrawingSheet& more = AddSheetFromTemplate(part, SheetTemplate("A4_nj.prt"), "MORE");
  EXPECT_EQ(AddBaseView(more, model, "Top", 0.5, {80, 200}).name, "TOP@" + std::to_string(highest + 1));
  SetCurrentSheet(part, *FindSheet(part, "S5"));

  const fs::path dir = fs::temp_directory_path() / "fabdoc-sheet-index";
  fs::create_directories(dir);
  const std::string file = ToHostPath((dir / "frame.prt").string());
  files::SavePart(part, file);
  const std::unique_ptr<Part> read = files::ReadPart(file);
  fs::remove_all(dir);
  expectAsWalked(*read);
  EXPECT_EQ(FindSheet(*read, "S3"), nullptr);
}
