#include "platform/drafting/hole_table_place.h"

#include <algorithm>

namespace platform::drafting {

namespace {

constexpr double kStepMm = 1.0;  // how far each try moves up

Box2 Grown(const Box2& box, double by) {
  Box2 grown = box;
  grown.xmin -= by, grown.ymin -= by, grown.xmax += by, grown.ymax += by;
  return grown;
}

}  // namespace

bool PlaceHoleTable(HoleTableGrid& table, const SheetObstacles& sheet, const std::vector<PlacedDimension>& placed,
                    const std::vector<Box2>& tables) {
  // Everything the table must keep clear of, grown by the clearance it keeps.
  std::vector<Box2> taken;
  for (const Box2& view : sheet.views) taken.push_back(Grown(view, kClearanceMm));
  for (const Box2& box : sheet.blocked) taken.push_back(Grown(box, kClearanceMm));
  for (const Box2& box : tables) taken.push_back(Grown(box, kClearanceMm));
  for (const PlacedDimension& d : placed) {
    taken.push_back(Grown(d.drawn.textBox, kClearanceMm));
    for (const Line2& line : d.drawn.lines) {
      Box2 box;
      box.Add(line.start);
      box.Add(line.end);
      taken.push_back(Grown(box, kClearanceMm));
    }
  }
  const Box2 size = table.Box();
  const double width = size.Width(), height = size.Height();
  const Box2 inside = Grown(sheet.frame, -kClearanceMm);
  // Row by row from the bottom; in a row from the right, jumping left past what is in the way.
  for (double bottom = inside.ymin; bottom + height <= inside.ymax; bottom += kStepMm) {
    double left = inside.xmax - width;
    while (left >= inside.xmin) {
      const Box2* blocking = nullptr;
      for (const Box2& box : taken)
        if (left < box.xmax && box.xmin < left + width && bottom < box.ymax && box.ymin < bottom + height) {
          if (!blocking || box.xmin < blocking->xmin) blocking = &box;
        }
      if (!blocking) {
        table.topLeft = {left, bottom + height};
        return true;
      }
      left = std::min(left - kStepMm, blocking->xmin - width);
    }
  }
  return false;
}

}  // namespace platform::drafting
