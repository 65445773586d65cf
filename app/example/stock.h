// Stock shapes of welded steel parts, as data and as solids of the modeller.
// Each solid is built in its own frame: length along +X from x = 0;
//   plate, flat bar      y in [0, width], z in [0, thickness]
//   square/rect tube     y in [0, width], z in [0, height], wall `thickness`
//   angle                legs along +Y (width) and +Z (height) from the corner at the axis
//   round bar, pipe      centred on the X axis
//   bent parts           see platform/geometry/sheet_metal/bent_profile.h
#pragma once
#include <string>

#include <TopoDS_Shape.hxx>

#include "platform/geometry/sheet_metal/bent_profile.h"

namespace fabdoc::app::example {

using platform::sheet_metal::BentProfile;
using platform::sheet_metal::BuildBentRod;
using platform::sheet_metal::BuildBentSection;

enum class StockKind {
  Plate, FlatBar, RoundBar, SquareTube, RectTube, Angle, SeamlessPipe, WeldedPipe,
  BentPlate, BentFlatBar, BentRoundBar,
};

struct StockSpec {
  StockKind kind = StockKind::Plate;
  double thickness = 0;  // plate or bar thickness, tube or pipe wall, angle leg
  double width = 0;      // plate, bar or tube width, first angle leg, extrusion of a bent part
  double height = 0;     // tube height, second angle leg
  double diameter = 0;   // round bar or pipe, outside
  double length = 0;     // straight stock
  BentProfile bent;      // bent parts: the section's path
};

StockSpec Plate(double thickness, double width, double length);
StockSpec FlatBar(double thickness, double width, double length);
StockSpec RoundBar(double diameter, double length);
StockSpec SquareTube(double side, double wall, double length);
StockSpec RectTube(double width, double height, double wall, double length);
StockSpec Angle(double leg1, double leg2, double thickness, double length);
StockSpec SeamlessPipe(double diameter, double wall, double length);
StockSpec WeldedPipe(double diameter, double wall, double length);
StockSpec BentPlate(double width, BentProfile profile);
StockSpec BentFlatBar(double width, BentProfile profile);
StockSpec BentRoundBar(BentProfile profile);  // profile.thickness is the bar's diameter

// The solid, in the stock's own frame. Throws std::runtime_error when the modeller fails.
TopoDS_Shape BuildStock(const StockSpec& stock);

// The stock type a designer types for this stock (UTF-8), e.g. "方管" or "钢板,折弯".
std::string StockTypeText(StockKind kind);

}  // namespace fabdoc::app::example
