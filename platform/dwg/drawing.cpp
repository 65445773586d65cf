#include "platform/dwg/drawing.h"

#include <cmath>
#include <set>
#include <stdexcept>

#include "platform/text/gbk.h"

namespace platform::dwg {
namespace {

[[noreturn]] void Fail(const std::string& message) { throw std::invalid_argument("DWG drawing: " + message); }

void CheckFinite(const Point& p, const std::string& what) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) Fail(what + " has a coordinate that is not a number");
}

void CheckRadius(double r, const std::string& what) {
  if (!(std::isfinite(r) && r > 0)) Fail(what + " has radius " + std::to_string(r) + "; it must be positive");
}

void CheckGeometry(const Geometry& geometry, const std::string& what) {
  std::visit(
      [&](const auto& g) {
        using T = std::decay_t<decltype(g)>;
        if constexpr (std::is_same_v<T, Line>) {
          CheckFinite(g.start, what);
          CheckFinite(g.end, what);
        } else if constexpr (std::is_same_v<T, Arc>) {
          CheckFinite(g.centre, what);
          CheckRadius(g.radius, what);
          if (!std::isfinite(g.startDeg) || !std::isfinite(g.endDeg)) Fail(what + " has an angle that is not a number");
        } else if constexpr (std::is_same_v<T, Circle>) {
          CheckFinite(g.centre, what);
          CheckRadius(g.radius, what);
        } else if constexpr (std::is_same_v<T, Polyline>) {
          if (g.points.size() < 2) Fail(what + " (a polyline) has " + std::to_string(g.points.size()) + " points; it needs two or more");
          for (const Point& p : g.points) CheckFinite(p, what);
        } else {
          CheckFinite(g.position, what);
          if (!(std::isfinite(g.height) && g.height > 0)) Fail(what + " (text \"" + g.utf8 + "\") has a height that is not positive");
          if (!std::isfinite(g.rotationDeg)) Fail(what + " (text) has a rotation that is not a number");
          if (!text::IsValidUtf8(g.utf8)) Fail(what + " has text that is not UTF-8");
        }
      },
      geometry);
}

}  // namespace

void Validate(const Drawing& drawing) {
  if (!(std::isfinite(drawing.sheetWidthMm) && drawing.sheetWidthMm > 0 &&
        std::isfinite(drawing.sheetHeightMm) && drawing.sheetHeightMm > 0))
    Fail("the sheet size must be positive (" + std::to_string(drawing.sheetWidthMm) + " x " +
         std::to_string(drawing.sheetHeightMm) + " mm)");
  std::set<std::string> names{"0"};
  for (const Layer& layer : drawing.layers) {
    if (layer.name.empty()) Fail("a layer has no name");
    if (!text::IsValidUtf8(layer.name)) Fail("a layer name is not UTF-8");
    if (!names.insert(layer.name).second) Fail("layer \"" + layer.name + "\" is given twice (or is the built-in layer 0)");
    if (layer.colour < 1 || layer.colour > 255)
      Fail("layer \"" + layer.name + "\" has colour " + std::to_string(layer.colour) + "; colours are 1 to 255");
  }
  const TextStyle& style = drawing.textStyle;
  if (style.name.empty() || style.font.empty()) Fail("the text style needs a name and a font");
  if (!(std::isfinite(style.widthFactor) && style.widthFactor > 0)) Fail("the text style's width factor must be positive");
  for (size_t i = 0; i < drawing.entities.size(); ++i) {
    const Entity& e = drawing.entities[i];
    const std::string what = "entity " + std::to_string(i + 1) + " on layer \"" + e.layer + "\"";
    if (!names.count(e.layer)) Fail(what + ": no such layer");
    CheckGeometry(e.geometry, what);
  }
}

}  // namespace platform::dwg
