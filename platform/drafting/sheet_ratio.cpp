#include "platform/drafting/sheet_ratio.h"

#include <cmath>
#include <cstdio>

#include "platform/base/host_error.h"
#include "platform/drafting/sheets.h"
#include "platform/text/gbk.h"

namespace platform::drafting {

namespace {

std::string Named(const DrawingSheet& sheet) { return "sheet \"" + text::ToUtf8Lossy(sheet.name) + "\""; }

std::string Figure(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

}  // namespace

void SetSheetScale(DrawingSheet& sheet, double scale) {
  if (!(scale > 0))
    throw HostError(HostStatus::InvalidArgument, Named(sheet) + ": drawing scale " + Figure(scale) + " is not above 0");
  if (sheet.ratio && std::abs((*sheet.ratio)[0] / (*sheet.ratio)[1] - scale) > 1e-12 * scale) sheet.ratio.reset();
  sheet.scale = scale;
  RefreshScaleCell(sheet);
  if (sheet.owner) sheet.owner->modified = true;
}

void SetSheetRatio(DrawingSheet& sheet, double numerator, double denominator) {
  if (!(numerator > 0) || !(denominator > 0))
    throw HostError(HostStatus::InvalidArgument, Named(sheet) + ": scale " + Figure(numerator) + ":" +
                                                     Figure(denominator) + " needs both terms above 0");
  sheet.ratio = std::array<double, 2>{numerator, denominator};
  sheet.scale = numerator / denominator;
  RefreshScaleCell(sheet);
  if (sheet.owner) sheet.owner->modified = true;
}

std::string SheetScaleText(const DrawingSheet& sheet) {
  if (sheet.ratio) return Figure((*sheet.ratio)[0]) + ":" + Figure((*sheet.ratio)[1]);
  return ScaleText(sheet.scale);
}

std::string ScaleText(double scale) {
  char text[32];
  if (scale < 1) std::snprintf(text, sizeof text, "1:%.3g", 1 / scale);
  else std::snprintf(text, sizeof text, "%.3g:1", scale);
  return text;
}

std::string* ScaleCell(const DrawingSheet& sheet) {
  if (!sheet.owner) return nullptr;
  static const std::string label = text::ToGbk("比例");
  for (TabularNote* note : NotesOf(sheet))
    for (int r = 0; r < note->Rows(); ++r)
      for (int c = 0; c + 1 < note->Columns(); ++c)
        if (note->Cell(r, c) == label) return &note->Cell(r, c + 1);
  return nullptr;
}

void RefreshScaleCell(DrawingSheet& sheet) {
  if (std::string* cell = ScaleCell(sheet)) *cell = SheetScaleText(sheet);
}

}  // namespace platform::drafting
