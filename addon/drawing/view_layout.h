// Where the four views of a sheet go: centres in sheet millimetres from the sheet's
// lower left corner. The same layout serves all three formats.
#pragma once
#include "drawing/scale_rule.h"

namespace kzt {

struct SheetPoint {
  double x = 0;
  double y = 0;
};

struct ViewLayout {
  SheetPoint front;      // model view "Front"
  SheetPoint below;      // projected below the front (code 3)
  SheetPoint right;      // projected right of the front (code 2)
  SheetPoint isometric;  // model view "Isometric"
  double isometricScale = 0;
};

// The top of the view area and the height kept free below it for the title block.
inline constexpr double kLayoutTop = 297;
inline constexpr double kLayoutBottom = 55;
// The isometric view is drawn smaller than the others.
inline constexpr double kIsometricFactor = 0.3;

ViewLayout layout_views(const Extents& extents, double gapX, double gapY, double scale);

// Where layer mode first puts its views, before the layout moves them.
inline constexpr ViewLayout kProvisionalLayout{{50, 220}, {50, 150}, {150, 220}, {150, 150}, 0};

}  // namespace kzt
