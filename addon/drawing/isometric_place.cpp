// The isometric view kept inside the frame and off the title block.
#include "drawing/isometric_place.h"

#include <algorithm>

#include <uf.h>
#include <uf_draw.h>

#include "host/report_status.h"

namespace kzt {

namespace {

inline constexpr double kSheetHeight = 297;
inline constexpr double kBindingMargin = 25;
inline constexpr double kFrameMargin = 5;
inline constexpr double kTitleBlockWidth = 180;
inline constexpr double kTitleBlockHeight = 32;

bool inside(const SheetBox& box, const SheetBox& area) {
  return box.xmin >= area.xmin && box.ymin >= area.ymin && box.xmax <= area.xmax && box.ymax <= area.ymax;
}

bool overlap(const SheetBox& a, const SheetBox& b) {
  return a.xmin < b.xmax && b.xmin < a.xmax && a.ymin < b.ymax && b.ymin < a.ymax;
}

SheetBox borders(tag_t view) {
  double b[4] = {0, 0, 0, 0};
  throw_uf_failure(UF_DRAW_ask_view_borders(view, b));
  return {b[0], b[1], b[2], b[3]};
}

double sheet_width(tag_t sheet) {
  UF_DRAW_info_t info{};
  throw_uf_failure(UF_DRAW_ask_drawing_info(sheet, &info));
  if (info.size_state == UF_DRAW_CUSTOM_SIZE) return info.size.custom_size[1];
  static constexpr double kMetricWidths[] = {1189, 841, 594, 420, 297};  // A0..A4, landscape
  return kMetricWidths[std::clamp(static_cast<int>(info.size.metric_size_code), 0, 4)];
}

}  // namespace

SheetBox frame_of(double width) {
  return {kBindingMargin, kFrameMargin, width - kFrameMargin, kSheetHeight - kFrameMargin};
}

SheetBox title_block_of(double width) {
  const SheetBox frame = frame_of(width);
  return {frame.xmax - kTitleBlockWidth, frame.ymin, frame.xmax, frame.ymin + kTitleBlockHeight};
}

IsometricPlace place_isometric(const SheetBox& iso, const SheetBox& front, const SheetBox& below,
                               const SheetBox& right, double sheetWidth) {
  const SheetBox frame = frame_of(sheetWidth), block = title_block_of(sheetWidth);
  const SheetPoint centre{(iso.xmin + iso.xmax) / 2, (iso.ymin + iso.ymax) / 2};
  if (inside(iso, frame) && !overlap(iso, block) && !overlap(iso, front) && !overlap(iso, below) &&
      !overlap(iso, right))
    return {centre, 1};
  const double c = kIsometricClearance;
  const SheetBox space{std::max(front.xmax, below.xmax) + c, block.ymax + c, frame.xmax - c,
                       std::min(front.ymin, right.ymin) - c};
  const double spaceWidth = space.xmax - space.xmin, spaceHeight = space.ymax - space.ymin;
  if (!(spaceWidth > 0 && spaceHeight > 0)) return {centre, 1};  // the scale rule never leaves no room
  const double width = iso.xmax - iso.xmin, height = iso.ymax - iso.ymin;
  double factor = 1;
  if (width > spaceWidth) factor = spaceWidth / width;
  if (height * factor > spaceHeight) factor = spaceHeight / height;
  const double halfWidth = width * factor / 2, halfHeight = height * factor / 2;
  return {{std::clamp(centre.x, space.xmin + halfWidth, space.xmax - halfWidth),
           std::clamp(centre.y, space.ymin + halfHeight, space.ymax - halfHeight)},
          factor};
}

void keep_isometric_clear(tag_t sheet, tag_t front, tag_t below, tag_t right, tag_t isometric) {
  throw_uf_failure(UF_DRAW_update_one_view(sheet, isometric));
  const IsometricPlace place =
      place_isometric(borders(isometric), borders(front), borders(below), borders(right), sheet_width(sheet));
  if (place.factor < 1) {
    tag_t expression = NULL_TAG;
    double scale = 0;
    throw_uf_failure(UF_DRAW_ask_view_scale(isometric, &expression, &scale));
    throw_uf_failure(UF_DRAW_set_view_scale(isometric, scale * place.factor));
  }
  const double at[2] = {place.centre.x, place.centre.y};
  throw_uf_failure(UF_DRAW_move_view(isometric, at));
  if (place.factor < 1) throw_uf_failure(UF_DRAW_update_one_view(sheet, isometric));
}

}  // namespace kzt
