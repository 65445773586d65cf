// Keeping the reduced isometric view inside the frame and off the title block. The
// layout centres it below the right view at the lower row's height; a model that is thin
// and tall (a gate) draws an isometric view taller than that row leaves room for, and it
// reached into the title block. Only the isometric view moves or shrinks: the sheet's
// scale and the other three views stay as the scale rule placed them.
#pragma once
#include <uf_defs.h>

#include "drawing/view_layout.h"

namespace kzt {

// A box on the sheet, millimetres from its lower left corner.
struct SheetBox {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};

// The templates' frame (25 mm binding margin on the left, 5 mm elsewhere) and their
// 180 x 32 mm title block in the frame's lower right corner, for a sheet `width` wide
// and 297 high (data/kzt-1/bom, docs/drafting.md).
SheetBox frame_of(double width);
SheetBox title_block_of(double width);
// What the isometric view keeps between itself and the frame, the title block and the
// other views once it has to be moved.
inline constexpr double kIsometricClearance = 5;

// Where the isometric view goes: its centre, and the factor its scale is multiplied by
// (1 unless it does not fit). A view already inside the frame, clear of the title block
// and of the other views, stays where it is; otherwise it moves by the least it needs
// into the space right of the view below the front view, under the right view and
// above the title block, shrunk first when it is larger than that space.
struct IsometricPlace {
  SheetPoint centre;
  double factor = 1;
};
IsometricPlace place_isometric(const SheetBox& isometric, const SheetBox& front, const SheetBox& below,
                               const SheetBox& right, double sheetWidth);

// The same on a sheet whose four views are drawn: asks the views' borders, moves and
// rescales the isometric view, and draws it again when its scale changed.
void keep_isometric_clear(tag_t sheet, tag_t front, tag_t below, tag_t right, tag_t isometric);

}  // namespace kzt
