// Sheet formats and the scale rule: the scale at which a front view, the view below
// it, the view right of it and an isometric view fit the sheet beside the title block,
// and the gaps the layout places them with.
#pragma once
#include <array>

namespace kzt {

struct SheetFormat {
  const char* templatePath;  // relative to UGII_BASE_DIR
  double width;              // W, sheet millimetres
  double height;             // H
  double reserveAcross;      // RA
  double reserveDown;        // RD
  double titleBand;          // TB
};

inline constexpr SheetFormat kGeneralArrangementA3{"\\kzt-1\\bom\\A3_zong.prt", 420, 297, 90, 110, 20};
inline constexpr SheetFormat kSubAssemblyA3{"\\kzt-1\\bom\\A3_bujian.prt", 420, 297, 90, 110, 20};
inline constexpr SheetFormat kPartA4{"\\kzt-1\\bom\\A4_nj.prt", 210, 297, 90, 155, 55};

// The model's extents along X, Y and Z in millimetres.
using Extents = std::array<double, 3>;

// The least vertical gap: the front views' top stays 5 mm inside the frame (5 mm from the
// sheet's top edge). The rule's gap falls below it for tall models, whose wide horizontal
// gap it subtracts, and would put the front views across the frame or off the sheet.
inline constexpr double kLeastGapY = 10;

struct ScaleFit {
  double scale = 0;  // sheet length over model length; not snapped to standard scales
  double gapX = 0;   // sheet_gap_x
  double gapY = 0;   // sheet_gap_y, at least kLeastGapY
};

// The rule itself. Extents whose views span nothing (E0 + E1 or E1 + E2 not positive)
// give the scale 0, which component mode replaces by 1.0.
ScaleFit fit_scale(const SheetFormat& format, const Extents& extents);

// The union of axis-aligned boxes, started at (10000, 10000, 10000) to
// (-10000, -10000, -10000) as the rule's extents are: with no box each extent is -20000.
class ExtentsAccumulator {
public:
  void Widen(const double box[6]);  // minimum x, y, z, then maximum
  Extents Result() const;

private:
  std::array<double, 3> min_{10000, 10000, 10000};
  std::array<double, 3> max_{-10000, -10000, -10000};
};

}  // namespace kzt
