// Sheet numbers and the current sheet's tidy-up, through sheet builders on the work part.
#include "drawing/sheet_tools.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <NXOpen/Drawings_DrawingSheet.hxx>
#include <NXOpen/Drawings_DrawingSheetBuilder.hxx>
#include <NXOpen/Drawings_DrawingSheetCollection.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/Session.hxx>
#include <uf.h>
#include <uf_draw.h>

#include "drawing/sheet_names.h"
#include "drawing/title_block_spec.h"
#include "drawing/view_style.h"
#include "host/drawing_mode.h"
#include "host/uf_session.h"

using namespace NXOpen;

namespace {

// The sheet editing builder of a sheet of the work part; null when it is not one.
Drawings::DrawingSheetBuilder* sheet_builder(tag_t sheet) {
  auto* drawingSheet = dynamic_cast<Drawings::DrawingSheet*>(NXObjectManager::Get(sheet));
  Part* work = Session::GetSession()->Parts()->Work();
  if (!drawingSheet || !work) return nullptr;
  return work->DrawingSheets()->DrawingSheetBuilder(drawingSheet);
}

constexpr auto kStandardEnglishScale = static_cast<Drawings::DrawingSheetBuilder::SheetStandardEnglishScale>(3);

}  // namespace

namespace kzt {

std::vector<std::size_t> sheet_order(int mode, const std::vector<std::string>& names) {
  std::vector<std::size_t> order(names.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  if (mode == 1) {
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return names[a] < names[b]; });
  } else {
    auto number = [&](std::size_t i) { return std::atoi(names[i].substr(0, names[i].find('-')).c_str()); };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return number(a) < number(b); });
  }
  return order;
}

std::pair<int, int> whole_scale_ratio(double scale) {
  const float single = static_cast<float>(scale);
  if (single >= 1.0f) return {static_cast<int>(single), 1};
  return {1, static_cast<int>(static_cast<float>(1 / scale))};
}

}  // namespace kzt

void set_sheet_number(tag_t sheet, const char* number) {
  Drawings::DrawingSheetBuilder* builder = sheet_builder(sheet);
  if (!builder) return;
  builder->SetStandardEnglishScale(kStandardEnglishScale);
  builder->SetNumber(number);
  builder->Commit();
  builder->Destroy();
}

void set_sheet_scale(tag_t sheet, int numerator, int denominator) {
  Drawings::DrawingSheetBuilder* builder = sheet_builder(sheet);
  if (!builder) return;
  builder->SetStandardEnglishScale(kStandardEnglishScale);
  builder->SetSecondaryNumber("");
  builder->SetScaleNumerator(numerator);
  builder->SetScaleDenominator(denominator);
  builder->Commit();
  builder->Destroy();
}

int renumber_sheets() {
  const kzt::UfSession uf;
  const int mode = kzt::ask_drawing_mode();
  int count = 0;
  tag_t* sheets = nullptr;
  UF_DRAW_ask_drawings(&count, &sheets);
  const std::vector<std::size_t> order = kzt::sheet_order(mode, kzt::sheet_names());
  for (std::size_t k = 0; k < order.size(); ++k) {
    char number[16];
    std::snprintf(number, sizeof number, "%d", static_cast<int>(k + 1));
    set_sheet_number(sheets[order[k]], number);
  }
  if (sheets) UF_free(sheets);
  return 0;
}

void refresh_current_sheet() {
  const kzt::UfSession uf;
  tag_t sheet = NULL_TAG;
  UF_DRAW_ask_current_drawing(&sheet);
  if (sheet == NULL_TAG) return;
  update_title_block_spec(sheet);
  UF_DRAW_info_t info{};
  UF_DRAW_ask_drawing_info(sheet, &info);
  const tag_t isometric = find_isometric_view(sheet);
  double isometricScale = 0;
  if (isometric != NULL_TAG) UF_DRAW_ask_view_scale(isometric, nullptr, &isometricScale);
  if (info.drawing_scale > 0) {
    const auto [numerator, denominator] = kzt::whole_scale_ratio(info.drawing_scale);
    set_sheet_scale(sheet, numerator, denominator);
  }
  if (isometric != NULL_TAG) {
    set_view_style(isometric);
    UF_DRAW_set_view_scale(isometric, isometricScale);
  }
}
