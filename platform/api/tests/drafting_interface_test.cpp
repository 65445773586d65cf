// The drafting C interface as the add-on drives it: the application switch, sheets made
// by the sheet builder, the title block filled through the work view's tabular-note
// sections, drawing info, projected and imported views, masks by view name.
#include <cstring>
#include <NXOpen/Drawings_DrawingSheetBuilder.hxx>
#include <NXOpen/Drawings_DrawingSheetCollection.hxx>
#include <NXOpen/NXException.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/Session.hxx>
#include <uf.h>
#include <uf_draw.h>
#include <uf_obj.h>
#include <uf_tabnot.h>
#include <uf_view.h>

#include "tests/support/api_fixture.h"
#include "platform/drafting/application.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/views.h"

using namespace platform;

namespace {

class DraftingInterface : public fabdoc_test::DraftingTest {
protected:
  void SetUp() override {
    DraftingTest::SetUp();
    part = &session().NewPart("\\p\\frame.prt");
    fabdoc_test::AddBox(*part, 0, 0, 0, 100, 50, 20, "plate");
    session().SetDisplayed(part);
  }
  // A sheet as the add-on makes one: the builder on the part, with a name.
  tag_t MakeSheet(const std::string& templateFile, const std::string& name) {
    auto* nxPart = dynamic_cast<NXOpen::Part*>(NXOpen::NXObjectManager::Get(part->GetTag()));
    auto* builder = nxPart->DrawingSheets()->DrawingSheetBuilder(nullptr);
    builder->SetMetricSheetTemplateLocation(SheetTemplate(templateFile));
    builder->SetName(name);
    NXOpen::NXObject* sheet = nullptr;
    try {
      sheet = builder->Commit();
    } catch (...) {
      builder->Destroy();
      throw;
    }
    builder->Destroy();
    nxPart->Drafting()->SetTemplateInstantiationIsComplete(true);
    return sheet->Tag();
  }
  Part* part = nullptr;
};

std::string Owned(char* text) {
  std::string s = text ? text : "";
  UF_free(text);
  return s;
}

}  // namespace

TEST_F(DraftingInterface, ApplicationSwitchIsSeenByTheCInterface) {
  int module = 0;
  ASSERT_EQ(UF_ask_application_module(&module), 0);
  EXPECT_EQ(module, UF_APP_MODELING);
  NXOpen::Session::GetSession()->ApplicationSwitchImmediate("UG_APP_DRAFTING");
  ASSERT_EQ(UF_ask_application_module(&module), 0);
  EXPECT_EQ(module, UF_APP_DRAFTING);
  EXPECT_THROW(NXOpen::Session::GetSession()->ApplicationSwitchImmediate("UG_APP_NOPE"), NXOpen::NXException);
}

TEST_F(DraftingInterface, TitleBlockIsFilledThroughTheWorkViewsSections) {
  NXOpen::Session::GetSession()->ApplicationSwitchImmediate("UG_APP_DRAFTING");
  const tag_t sheet = MakeSheet("A4_nj.prt", "000-1-BASE");
  tag_t current = NULL_TAG;
  ASSERT_EQ(UF_DRAW_ask_current_drawing(&current), 0);
  EXPECT_EQ(current, sheet);
  // The add-on's loop: every section in the work view, every cell, placeholders replaced.
  int replaced = 0;
  tag_t object = NULL_TAG;
  for (;;) {
    ASSERT_EQ(UF_VIEW_cycle_objects(NULL_TAG, UF_VIEW_VISIBLE_OBJECTS, &object), 0);
    if (object == NULL_TAG) break;
    int type = 0, subtype = 0;
    ASSERT_EQ(UF_OBJ_ask_type_and_subtype(object, &type, &subtype), 0);
    if (type != UF_tabular_note_type || subtype != UF_tabular_note_section_subtype) continue;
    tag_t note = NULL_TAG;
    ASSERT_EQ(UF_TABNOT_ask_tabular_note_of_section(object, &note), 0);
    int rows = 0, columns = 0;
    UF_TABNOT_ask_nm_rows(note, &rows);
    UF_TABNOT_ask_nm_columns(note, &columns);
    for (int r = 0; r < rows; ++r) {
      tag_t row = NULL_TAG;
      ASSERT_EQ(UF_TABNOT_ask_nth_row(note, r, &row), 0);
      for (int c = 0; c < columns; ++c) {
        tag_t column = NULL_TAG, cell = NULL_TAG;
        ASSERT_EQ(UF_TABNOT_ask_nth_column(note, c, &column), 0);
        ASSERT_EQ(UF_TABNOT_ask_cell_at_row_col(row, column, &cell), 0);
        char* text = nullptr;
        ASSERT_EQ(UF_TABNOT_ask_cell_text(cell, &text), 0);
        if (Owned(text) == fabdoc_test::Gbk("定义材料")) {
          ASSERT_EQ(UF_TABNOT_set_cell_text(cell, "Q235"), 0);
          ++replaced;
        }
      }
    }
  }
  EXPECT_EQ(replaced, 1);
  auto notes = drafting::NotesOf(session().RequireAs<DrawingSheet>(sheet, "a sheet"));
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0]->Cell(1, 1), "Q235");
  tag_t cell = NULL_TAG;
  EXPECT_NE(UF_TABNOT_ask_nth_row(notes[0]->GetTag(), 4, &cell), 0) << "4 rows, counted from 0";
}

TEST_F(DraftingInterface, DrawingInfoScalesAndNames) {
  const tag_t sheet = MakeSheet("A4_nj.prt", "A");
  UF_DRAW_info_t info{};
  ASSERT_EQ(UF_DRAW_ask_drawing_info(NULL_TAG, &info), 0);
  EXPECT_EQ(info.size_state, UF_DRAW_CUSTOM_SIZE);
  EXPECT_EQ(info.size.custom_size[0], 297);
  EXPECT_EQ(info.size.custom_size[1], 210);
  EXPECT_EQ(info.projection_angle, UF_DRAW_FIRST_ANGLE_PROJECTION);
  info.drawing_scale = 0.816667;
  ASSERT_EQ(UF_DRAW_set_drawing_info(sheet, &info), 0);
  EXPECT_EQ(session().RequireAs<DrawingSheet>(sheet, "a sheet").scale, 0.816667);
  info.drawing_scale = 0;
  EXPECT_NE(UF_DRAW_set_drawing_info(sheet, &info), 0);
  EXPECT_NE(UF_DRAW_rename_drawing(NULL_TAG, "A/B"), 0);
  ASSERT_EQ(UF_DRAW_rename_drawing(NULL_TAG, "B"), 0);
  char message[UF_UI_MAX_STRING_LEN + 1];
  MakeSheet("A4_nj.prt", "C");
  EXPECT_NE(UF_DRAW_rename_drawing(NULL_TAG, "B"), 0);
  UF_get_fail_message(UF_DRAW_rename_drawing(NULL_TAG, "B"), message);
  EXPECT_NE(std::string(message).find("already has a sheet named \"B\""), std::string::npos) << message;
  EXPECT_THROW(MakeSheet("A9_missing.prt", "D"), NXOpen::NXException);
  int count = 0;
  tag_t* sheets = nullptr;
  ASSERT_EQ(UF_DRAW_ask_drawings(&count, &sheets), 0);
  EXPECT_EQ(count, 2) << "the failed sheet left nothing";
  UF_free(sheets);
}

TEST_F(DraftingInterface, ImportedViewsProjectionsAndMasksByName) {
  MakeSheet("A4_nj.prt", "L");
  tag_t front = NULL_TAG;
  ASSERT_EQ(UF_OBJ_cycle_by_name_and_type(part->GetTag(), "Front", UF_view_type, false, &front), 0);
  ASSERT_NE(front, NULL_TAG);
  UF_DRAW_view_info_t info;
  ASSERT_EQ(UF_DRAW_initialize_view_info(&info), 0);
  info.view_scale = 0.5;
  double at[2] = {50, 220};
  tag_t imported = NULL_TAG;
  ASSERT_EQ(UF_DRAW_import_view(NULL_TAG, front, at, &info, &imported), 0);
  int mask[256] = {};
  mask[0] = 1;
  char name[UF_OBJ_NAME_BUFSIZE];
  ASSERT_EQ(UF_OBJ_ask_name(imported, name), 0);
  ASSERT_EQ(uc6447(name, 2, mask), 0);
  double below[2] = {50, 150}, right[2] = {150, 220};
  tag_t lower = NULL_TAG, side = NULL_TAG;
  ASSERT_EQ(UF_DRAW_add_orthographic_view(NULL_TAG, imported, UF_DRAW_project_below, below, &lower), 0);
  ASSERT_EQ(UF_DRAW_add_orthographic_view(NULL_TAG, imported, UF_DRAW_project_right, right, &side), 0);
  ASSERT_EQ(UF_DRAW_upd_out_of_date_views(NULL_TAG), 0);
  const double target[2] = {70, 211};
  ASSERT_EQ(UF_DRAW_move_view(imported, target), 0);
  double got[2];
  ASSERT_EQ(UF_DRAW_ask_drawing_ref_pt(imported, got), 0);
  EXPECT_EQ(got[0], 70);
  tag_t exp = 1;
  double scale = 0;
  ASSERT_EQ(UF_DRAW_ask_view_scale(side, &exp, &scale), 0);
  EXPECT_EQ(scale, 0.5);
  EXPECT_EQ(exp, NULL_TAG);
  auto& lowerView = session().RequireAs<DraftingView>(lower, "a view");
  EXPECT_EQ(lowerView.modelView, "Top");
  ASSERT_TRUE(lowerView.layers);
  EXPECT_TRUE((*lowerView.layers)[0]);
  EXPECT_FALSE((*lowerView.layers)[1]);
  int views = 0;
  tag_t* list = nullptr;
  ASSERT_EQ(UF_DRAW_ask_views(NULL_TAG, &views, &list), 0);
  EXPECT_EQ(views, 3);
  UF_free(list);
  tag_t sheetOfView = NULL_TAG;
  ASSERT_EQ(UF_DRAW_ask_drawing_of_view(side, &sheetOfView), 0);
  EXPECT_EQ(sheetOfView, drafting::CurrentSheet(*part)->GetTag());
  ASSERT_EQ(UF_DRAW_ask_drawing_of_view(front, &sheetOfView), 0);
  EXPECT_EQ(sheetOfView, NULL_TAG) << "a model view is on no sheet";
  mask[0] = 7;
  EXPECT_NE(uc6447(name, 2, mask), 0);
  EXPECT_NE(uc6447("NO@9", 1, nullptr), 0);
  // As a C caller passes it: a cast to the enum would itself be undefined in C++.
  UF_DRAW_proj_dir_t nine{};
  const int raw = 9;
  std::memcpy(&nine, &raw, sizeof nine);
  EXPECT_NE(UF_DRAW_add_orthographic_view(NULL_TAG, imported, nine, below, &lower), 0);
}

TEST_F(DraftingInterface, DeletingSheetsTakesTheirViewsAndKeepsACurrentOne) {
  const tag_t first = MakeSheet("A4_nj.prt", "A");
  const tag_t second = MakeSheet("A4_nj.prt", "B");
  auto notes = drafting::NotesOf(session().RequireAs<DrawingSheet>(second, "a sheet"));
  ASSERT_FALSE(notes.empty()) << "the template's title block";
  const tag_t noteOfSecond = notes.front()->GetTag();
  part->modified = false;
  ASSERT_EQ(UF_DRAW_delete_drawing(second), 0);
  EXPECT_EQ(session().Find(second), nullptr);
  EXPECT_EQ(session().Find(noteOfSecond), nullptr) << "its title block went with it";
  tag_t current = NULL_TAG;
  ASSERT_EQ(UF_DRAW_ask_current_drawing(&current), 0);
  EXPECT_EQ(current, first);
  EXPECT_TRUE(part->modified);
  // Not a sheet, a sheet already gone, a sheet of another part: refused, nothing deleted.
  const tag_t body = part->Objects().front()->GetTag();
  EXPECT_NE(UF_DRAW_delete_drawing(body), 0);
  EXPECT_NE(UF_DRAW_delete_drawing(second), 0);
  Part& other = session().NewPart("\\p\\other.prt");
  DrawingSheet& foreign = drafting::AddSheet(other, "C", 297, 210);
  EXPECT_NE(UF_DRAW_delete_drawing(foreign.GetTag()), 0);
  EXPECT_NE(session().Find(foreign.GetTag()), nullptr);
  EXPECT_NE(session().Find(body), nullptr);
  int count = 0;
  tag_t* sheets = nullptr;
  ASSERT_EQ(UF_DRAW_ask_drawings(&count, &sheets), 0);
  ASSERT_EQ(count, 1);
  EXPECT_EQ(sheets[0], first);
  UF_free(sheets);
  ASSERT_EQ(UF_DRAW_delete_drawing(first), 0);
  ASSERT_EQ(UF_DRAW_ask_drawings(&count, &sheets), 0);
  EXPECT_EQ(count, 0);
  ASSERT_EQ(UF_DRAW_ask_current_drawing(&current), 0);
  EXPECT_EQ(current, NULL_TAG);
}

TEST_F(DraftingInterface, DeletingASheetTakesItsViewsAndNotesAndLeavesTheOtherCurrent) {
  const tag_t kept = MakeSheet("A4_nj.prt", "KEPT");
  const tag_t doomed = MakeSheet("A3_bujian.prt", "GONE");
  tag_t front = NULL_TAG;
  ASSERT_EQ(UF_OBJ_cycle_by_name_and_type(part->GetTag(), "Front", UF_view_type, false, &front), 0);
  UF_DRAW_view_info_t info;
  ASSERT_EQ(UF_DRAW_initialize_view_info(&info), 0);
  double at[2] = {100, 200};
  tag_t view = NULL_TAG;
  ASSERT_EQ(UF_DRAW_import_view(doomed, front, at, &info, &view), 0);
  auto& sheet = session().RequireAs<DrawingSheet>(doomed, "a sheet");
  const auto notes = drafting::NotesOf(sheet);
  ASSERT_EQ(notes.size(), 1u);
  const tag_t note = notes[0]->GetTag();

  ASSERT_EQ(UF_OBJ_delete_object(doomed), 0);
  EXPECT_EQ(UF_OBJ_ask_status(doomed), UF_OBJ_DELETED);
  EXPECT_EQ(UF_OBJ_ask_status(view), UF_OBJ_DELETED) << "its view goes with it";
  EXPECT_EQ(UF_OBJ_ask_status(note), UF_OBJ_DELETED) << "its title block goes with it";
  int count = 0;
  tag_t* sheets = nullptr;
  ASSERT_EQ(UF_DRAW_ask_drawings(&count, &sheets), 0);
  ASSERT_EQ(count, 1);
  EXPECT_EQ(sheets[0], kept);
  UF_free(sheets);
  tag_t current = NULL_TAG;
  ASSERT_EQ(UF_DRAW_ask_current_drawing(&current), 0);
  EXPECT_EQ(current, kept);
}
