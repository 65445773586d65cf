// Editing what drawing production made, as the add-on's finishing tools do: a sheet's
// number and scale ratio through the sheet builder, a view's style through the settings
// manager, erasing and shading bodies in one view, the current sheet's name; and what
// the part file keeps of it.
#include <NXOpen/ColorManager.hxx>
#include <NXOpen/Drafting_SettingsManager.hxx>
#include <NXOpen/Drawings_DraftingView.hxx>
#include <NXOpen/Drawings_DrawingSheet.hxx>
#include <NXOpen/Drawings_DrawingSheetBuilder.hxx>
#include <NXOpen/Drawings_DrawingSheetCollection.hxx>
#include <NXOpen/NXException.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/View.hxx>
#include <uf.h>
#include <uf_draw.h>
#include <uf_view.h>

#include "platform/drafting/sheet_ratio.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/tests/drafting_fixture.h"
#include "platform/drafting/view_content.h"
#include "platform/drafting/view_edits.h"
#include "platform/drafting/views.h"
#include "platform/files/part_file.h"
#include "platform/files/sheet_template.h"
#include "platform/geometry/body.h"

using namespace platform;

namespace {

class SheetAndViewEdits : public fabdoc_test::DraftingTest {
protected:
  void SetUp() override {
    DraftingTest::SetUp();
    part = &session().NewPart(ToHostPath(fabdoc_test::FreshDir("sheet-edits")) + "\\frame.prt");
    plate = &fabdoc_test::AddBox(*part, 0, 0, 0, 100, 50, 20, "plate");
    post = &fabdoc_test::AddBox(*part, 200, 0, 0, 20, 20, 80, "post");
    sheet = &drafting::AddSheetFromTemplate(*part, SheetTemplate("A4_nj.prt"), "000-1-A");
    front = &drafting::AddBaseView(*sheet, *part, "Front", 0.5, {70, 211});
    drafting::UpdateOutOfDateViews(*sheet);
    session().SetDisplayed(part);
    nxPart = dynamic_cast<NXOpen::Part*>(NXOpen::NXObjectManager::Get(part->GetTag()));
    UF_initialize();
  }
  void TearDown() override {
    UF_terminate();
    DraftingTest::TearDown();
  }
  NXOpen::Drawings::DrawingSheetBuilder* EditSheet() {
    auto* nxSheet = dynamic_cast<NXOpen::Drawings::DrawingSheet*>(NXOpen::NXObjectManager::Get(sheet->GetTag()));
    return nxPart->DrawingSheets()->DrawingSheetBuilder(nxSheet);
  }
  NXOpen::View* NxView(const DraftingView& view) {
    return dynamic_cast<NXOpen::View*>(NXOpen::NXObjectManager::Get(view.GetTag()));
  }
  Part* part = nullptr;
  Body* plate = nullptr;
  Body* post = nullptr;
  DrawingSheet* sheet = nullptr;
  DraftingView* front = nullptr;
  NXOpen::Part* nxPart = nullptr;
};

}  // namespace

TEST_F(SheetAndViewEdits, TheSheetBuilderSetsNumberAndRatioOfAnExistingSheet) {
  auto* builder = EditSheet();
  EXPECT_EQ(std::string(builder->Name().GetText()), "000-1-A") << "starts from the sheet";
  EXPECT_EQ(std::string(builder->Number().GetText()), "1");
  builder->SetStandardEnglishScale(static_cast<NXOpen::Drawings::DrawingSheetBuilder::SheetStandardEnglishScale>(3));
  builder->SetNumber("7");
  builder->SetSecondaryNumber("");
  builder->SetScaleNumerator(1);
  builder->SetScaleDenominator(5);
  EXPECT_EQ(builder->Commit()->Tag(), sheet->GetTag());
  builder->Destroy();
  EXPECT_EQ(sheet->number, 7);
  EXPECT_DOUBLE_EQ(sheet->scale, 0.2);
  EXPECT_EQ(*drafting::ScaleCell(*sheet), "1:5");
  EXPECT_EQ(drafting::SheetsOf(*part).size(), 1u) << "no new sheet";
  UF_DRAW_info_t info{};
  ASSERT_EQ(UF_DRAW_ask_drawing_info(sheet->GetTag(), &info), 0);
  EXPECT_DOUBLE_EQ(info.drawing_scale, 0.2);
}

TEST_F(SheetAndViewEdits, ARefusedSheetEditChangesNothing) {
  auto* builder = EditSheet();
  builder->SetNumber("x7");
  builder->SetScaleNumerator(2);
  EXPECT_THROW(builder->Commit(), NXOpen::NXException);
  builder->SetNumber("3");
  builder->SetScaleDenominator(0);
  EXPECT_THROW(builder->Commit(), NXOpen::NXException);
  builder->Destroy();
  EXPECT_EQ(sheet->number, 1);
  EXPECT_DOUBLE_EQ(sheet->scale, 1);
  EXPECT_FALSE(sheet->ratio);
  EXPECT_EQ(*drafting::ScaleCell(*sheet), "1:1");
}

TEST_F(SheetAndViewEdits, DrawingInfoScaleDropsTheRatioAndKeepsTheCellInStep) {
  drafting::SetSheetRatio(*sheet, 2, 1);
  UF_DRAW_info_t info{};
  UF_DRAW_ask_drawing_info(sheet->GetTag(), &info);
  info.drawing_scale = 0.25;
  ASSERT_EQ(UF_DRAW_set_drawing_info(sheet->GetTag(), &info), 0);
  EXPECT_FALSE(sheet->ratio);
  EXPECT_EQ(*drafting::ScaleCell(*sheet), "1:4");
}

TEST_F(SheetAndViewEdits, TheCurrentSheetsNameAndOneViewsUpdate) {
  char name[MAX_ENTITY_NAME_BUFSIZE] = "?";
  ASSERT_EQ(uc6492(name), 0);
  EXPECT_STREQ(name, "000-1-A");
  DrawingSheet& other = drafting::AddSheet(*part, "000-2-B", 297, 210);
  EXPECT_NE(UF_DRAW_update_one_view(other.GetTag(), front->GetTag()), 0) << "the view is on another sheet";
  drafting::SetViewScale(*front, 0.25);
  EXPECT_EQ(UF_DRAW_update_one_view(sheet->GetTag(), front->GetTag()), 0);
  EXPECT_FALSE(drafting::IsOutOfDate(*front));
  drafting::DeleteSheet(other);
  drafting::DeleteSheet(*sheet);
  EXPECT_NE(uc6492(name), 0);
  EXPECT_STREQ(name, "");
}

TEST_F(SheetAndViewEdits, EraseByViewNameHidesTheBodyFromThatViewAndKeepsItInTheFile) {
  DraftingView& top = drafting::AddBaseView(*sheet, *part, "Top", 0.5, {70, 100});
  ASSERT_EQ(uc6400(front->name.c_str(), post->GetTag()), 0);
  EXPECT_TRUE(drafting::IsOutOfDate(*front));
  const auto shown = drafting::ShownBodies(*front);
  EXPECT_EQ(shown, std::vector<Object*>{plate});
  EXPECT_EQ(drafting::ShownBodies(top).size(), 2u);
  EXPECT_NE(uc6400("NOSUCH@9", post->GetTag()), 0);
  EXPECT_NE(uc6400(front->name.c_str(), sheet->GetTag()), 0) << "a sheet is not a body the view shows";

  auto* nxView = NxView(*front);
  NXOpen::NXColor* cyan = nxPart->Colors()->Find("Cyan");
  ASSERT_NE(cyan, nullptr);
  EXPECT_EQ(cyan->Label(), 31);
  EXPECT_EQ(nxPart->Colors()->Find("cyan"), nullptr) << "names are exact";
  auto* nxPlate = dynamic_cast<NXOpen::DisplayableObject*>(NXOpen::NXObjectManager::Get(plate->GetTag()));
  nxView->DependentDisplay()->ApplyShadeEdit(cyan, NXOpen::ViewDependentDisplayManager::PartialShadingOriginal,
                                             NXOpen::ViewDependentDisplayManager::TranslucencyYes, 95, {nxPlate});
  nxView->DependentDisplay()->ApplyShadeEdit(cyan, NXOpen::ViewDependentDisplayManager::PartialShadingOriginal,
                                             NXOpen::ViewDependentDisplayManager::TranslucencyYes, 60, {nxPlate});
  ASSERT_EQ(front->shadeEdits.size(), 1u) << "a second edit of a body replaces the first";
  EXPECT_EQ(front->shadeEdits[0].transparency, 60);
  EXPECT_THROW(nxView->DependentDisplay()->ApplyShadeEdit(
                   cyan, NXOpen::ViewDependentDisplayManager::PartialShadingOriginal,
                   NXOpen::ViewDependentDisplayManager::TranslucencyYes, 101, {nxPlate}),
               NXOpen::NXException);

  files::SavePart(*part, part->path);
  const auto reread = files::ReadPart(part->path);
  DraftingView* kept = drafting::FindDrawingView(*reread, front->name);
  ASSERT_NE(kept, nullptr);
  ASSERT_EQ(kept->erased.size(), 1u);
  ASSERT_EQ(kept->shadeEdits.size(), 1u);
  EXPECT_EQ(kept->shadeEdits[0].color, 31);
  EXPECT_EQ(kept->shadeEdits[0].transparency, 60);

  nxView->DependentDisplay()->RemoveAllEdits();
  EXPECT_TRUE(front->erased.empty());
  EXPECT_TRUE(front->shadeEdits.empty());
  EXPECT_EQ(drafting::ShownBodies(*front).size(), 2u);
}

TEST_F(SheetAndViewEdits, TheViewSettingsBuilderKeepsTheStyleOnTheViewsItWasGiven) {
  DraftingView& top = drafting::AddBaseView(*sheet, *part, "Top", 0.5, {70, 100});
  auto* nxFront = dynamic_cast<NXOpen::Drawings::DraftingView*>(NxView(*front));
  ASSERT_NE(nxFront, nullptr);
  NXOpen::Drafting::SettingsManager* settings = nxPart->SettingsManager();
  auto* builder = settings->CreateDrawingEditViewSettingsBuilder({nxFront});
  settings->ProcessForMultipleObjectsSettings({builder});
  builder->ViewStyle()->ViewStyleHiddenLines()->SetFont(NXOpen::Preferences::FontInvisible);
  builder->Commit();
  builder->Destroy();
  EXPECT_EQ(front->hiddenLineFont, 0);
  EXPECT_FALSE(front->shadingStyle) << "only what was set";
  EXPECT_FALSE(top.hiddenLineFont);
  EXPECT_THROW(settings->CreateDrawingEditViewSettingsBuilder({nullptr}), NXOpen::NXException);

  files::SavePart(*part, part->path);
  const auto reread = files::ReadPart(part->path);
  EXPECT_EQ(drafting::FindDrawingView(*reread, front->name)->hiddenLineFont, 0);
}
