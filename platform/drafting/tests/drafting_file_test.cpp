// Drafting in the part file: sheets, views (with their content and masks), notes and
// parts lists come back as saved; a file of the previous format version still opens.
#include <fstream>

#include <BRep_Builder.hxx>
#include <BinTools.hxx>
#include <TopLoc_Location.hxx>
#include <TopoDS_Compound.hxx>
#include <gp_Trsf.hxx>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <zlib.h>

#include "platform/drafting/parts_list.h"
#include "platform/files/sheet_template.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/views.h"
#include "platform/files/part_file.h"
#include "platform/base/host_error.h"
#include "platform/text/gbk.h"

using namespace platform;
using namespace platform::drafting;

namespace {

class DraftingFile : public fabdoc_test::DraftingTest {
protected:
  std::string dir = fabdoc_test::FreshDir("drafting-file");
  std::string Path(const char* name) { return ToAbsoluteHostPath(dir + "/" + name); }
};

// A part file as the previous format version wrote it: description and no shapes.
void WriteVersion1(const std::string& local, const nlohmann::json& description) {
  auto u64 = [](std::string& out, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
  };
  std::ostringstream shapes(std::ios::binary);
  BRep_Builder builder;
  TopoDS_Compound compound;
  builder.MakeCompound(compound);
  BinTools::Write(compound, shapes, false, false, BinTools_FormatVersion_CURRENT);
  const std::string text = description.dump(), shapeBytes = shapes.str();
  std::string out = "FABDOC-PART 1\n";
  u64(out, text.size());
  out += text;
  u64(out, shapeBytes.size());
  out += shapeBytes;
  const std::uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(out.data()), out.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((crc >> (8 * i)) & 0xff));
  out += "END\n";
  std::ofstream(local, std::ios::binary) << out;
}

}  // namespace

TEST_F(DraftingFile, SheetsViewsNotesAndPartsListsRoundTrip) {
  const std::string path = Path("总装-0.prt");
  Part& part = session().NewPart(path);
  Body& plate = fabdoc_test::AddBox(part, 0, 0, 0, 100, 50, 20, "plate");
  plate.display.layer = 120;
  DrawingSheet& first = AddSheetFromTemplate(part, SheetTemplate("A4_nj.prt"), text::ToGbk("000-1-底板"));
  first.scale = 0.816667;
  DraftingView& front = ImportView(first, "Front", 0.816667, {70, 211});
  LayerMask mask{};
  mask[89] = mask[119] = true;
  SetLayerMask(front, mask);
  DraftingView& below = AddProjectedView(front, ProjectionDirection::Below, {70, 153.25});
  UpdateOutOfDateViews(first);
  DrawingSheet& second = AddSheetFromTemplate(part, SheetTemplate("A3_zong.prt"), "000-0-GA");
  DraftingView& stale = ImportView(second, "Isometric", 0.2, {300, 150});  // never updated
  PartsList& list = AddPartsList(second, {235, 100});
  AddToPartsList(list, plate);
  UpdatePartsList(list);
  NotesOf(first).front()->Cell(1, 1) = text::ToGbk("Q235");
  const auto frontDrawn = DrawnExtentOf(front), belowDrawn = DrawnExtentOf(below);
  const size_t frameCurves = first.frame.size();
  files::SavePart(part, path);
  session().Reset();

  Part& back = files::OpenPart(path);
  const auto sheets = SheetsOf(back);
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_EQ(sheets[0]->name, text::ToGbk("000-1-底板"));
  EXPECT_EQ(sheets[0]->number, 1);
  EXPECT_EQ(sheets[1]->number, 2);
  EXPECT_TRUE(sheets[1]->current);
  EXPECT_EQ(sheets[0]->scale, 0.816667);
  EXPECT_EQ(sheets[0]->frame.size(), frameCurves);
  EXPECT_EQ(sheets[1]->width, 420);
  const auto views = ViewsOf(*sheets[0]);
  ASSERT_EQ(views.size(), 2u);
  EXPECT_EQ(views[0]->kind, ViewKind::Imported);
  EXPECT_EQ(views[0]->center, (SheetPoint{70, 211}));
  ASSERT_TRUE(views[0]->layers);
  EXPECT_EQ(*views[0]->layers, mask);
  EXPECT_EQ(views[1]->kind, ViewKind::Projected);
  EXPECT_EQ(views[1]->parentPid, views[0]->pid);
  EXPECT_EQ(views[1]->modelView, "Top");
  EXPECT_EQ(DrawnExtentOf(*views[0]).visible, frontDrawn.visible);
  EXPECT_EQ(DrawnExtentOf(*views[0]).box, frontDrawn.box);
  EXPECT_EQ(DrawnExtentOf(*views[1]).box, belowDrawn.box);
  EXPECT_FALSE(IsOutOfDate(*views[0])) << "saved content shows the model as saved";
  const auto gaViews = ViewsOf(*sheets[1]);
  ASSERT_EQ(gaViews.size(), 1u);
  EXPECT_TRUE(IsOutOfDate(*gaViews[0]));
  EXPECT_FALSE(DrawnExtentOf(*gaViews[0]).box) << "never drawn, nothing pretended";
  EXPECT_EQ(NotesOf(*sheets[0]).front()->Cell(1, 1), "Q235");
  const auto gaNotes = NotesOf(*sheets[1]);
  ASSERT_EQ(gaNotes.size(), 2u);  // title block and parts list
  ASSERT_EQ(gaNotes[1]->Subtype(), kPartsListSubtype);
  EXPECT_EQ(gaNotes[1]->Cell(1, 1), "plate");
  EXPECT_EQ(gaNotes[1]->Cell(1, 2), "1");
  (void)stale;
  // Geometry changed after loading: the view knows.
  auto& loadedPlate = *static_cast<Body*>(back.Objects()[0].get());
  gp_Trsf up;
  up.SetTranslation(gp_Vec(0, 0, 5));
  loadedPlate.SetShape(loadedPlate.Shape().Moved(TopLoc_Location(up)));
  EXPECT_TRUE(IsOutOfDate(*views[0]));
}

TEST_F(DraftingFile, PreviousVersionStillOpens) {
  const std::string local = dir + "/old.prt";
  const nlohmann::json identity = {1, 0, 0, 0, 1, 0, 0, 0, 1};
  auto object = [](int pid, const char* name) {
    return nlohmann::json{{"pid", pid}, {"name", name}, {"attributes", nlohmann::json::array()},
                          {"display", {{"layer", 1}, {"color", 1}, {"blanked", false}, {"translucency", 0}}}};
  };
  nlohmann::json sheet = object(1, "SHT1"), view = object(2, "FRONT@1"), note = object(3, "");
  sheet.update({{"kind", "sheet"}, {"scale", 5.0}, {"size", {297, 210}}, {"template", ""}});
  view.update({{"kind", "view"}, {"sheet", 1}, {"scale", 2.0}, {"position", {10, 20}}, {"orientation", identity}});
  note.update({{"kind", "note"}, {"sheet", 1}, {"position", {0, 0}}, {"rows", 1}, {"columns", 2},
               {"cells", {"a", "b"}}});
  WriteVersion1(local, {{"attributes", nlohmann::json::array()},
                        {"nextPid", 4},
                        {"objects", {sheet, view, note}},
                        {"instances", nlohmann::json::array()},
                        {"occurrences", nlohmann::json::object()}});
  Part& part = files::OpenPart(ToAbsoluteHostPath(local));
  const auto sheets = SheetsOf(part);
  ASSERT_EQ(sheets.size(), 1u);
  EXPECT_EQ(sheets[0]->number, 1);
  EXPECT_TRUE(sheets[0]->current);
  EXPECT_DOUBLE_EQ(sheets[0]->scale, 0.2) << "version 1 stored model length over sheet length";
  const auto views = ViewsOf(*sheets[0]);
  ASSERT_EQ(views.size(), 1u);
  EXPECT_EQ(views[0]->kind, ViewKind::Base);
  EXPECT_DOUBLE_EQ(views[0]->scale, 0.5);
  EXPECT_EQ(views[0]->center, (SheetPoint{10, 20}));
  const auto notes = NotesOf(*sheets[0]);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0]->Rows(), 1);
  EXPECT_EQ(notes[0]->Cell(0, 1), "b");
  // Saved again, it is a file of the current version.
  files::SavePart(part, part.path);
  std::ifstream in(local, std::ios::binary);
  std::string head(14, '\0');
  in.read(head.data(), 14);
  EXPECT_EQ(head, "FABDOC-PART 4\n");
}

TEST_F(DraftingFile, PartsListRowsFollowItsMembersAndRenumber) {
  Part& part = session().NewPart(Path("a.prt"));
  Body& a = fabdoc_test::AddBox(part, 0, 0, 0, 1, 1, 1, "A");
  Body& b = fabdoc_test::AddBox(part, 0, 0, 0, 1, 1, 1, "B");
  Body& a2 = fabdoc_test::AddBox(part, 0, 0, 0, 1, 1, 1, "A");
  DrawingSheet& sheet = AddSheetFromTemplate(part, SheetTemplate("A3_zong.prt"), "GA");
  PartsList& list = AddPartsList(sheet, {300, 200});
  for (Body* body : {&a, &b, &a2}) AddToPartsList(list, *body);
  UpdatePartsList(list);
  ASSERT_EQ(list.Rows(), 3);
  EXPECT_EQ(list.Cell(1, 0), "1");
  EXPECT_EQ(list.Cell(1, 1), "A");
  EXPECT_EQ(list.Cell(1, 2), "2");
  EXPECT_EQ(list.Cell(2, 1), "B");
  session().Delete(a.GetTag());
  session().Delete(a2.GetTag());
  UpdateAllPartsLists(part);
  ASSERT_EQ(list.Rows(), 2);
  EXPECT_EQ(list.Cell(1, 0), "1") << "renumbered";
  EXPECT_EQ(list.Cell(1, 1), "B");
  EXPECT_THROW(AddToPartsList(list, sheet), HostError);
}
