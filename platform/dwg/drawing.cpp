#include "platform/dwg/drawing.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <numbers>
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

void CheckText(const Text& t, const std::string& what) {
  CheckFinite(t.position, what);
  if (!(std::isfinite(t.height) && t.height > 0)) Fail(what + " (text \"" + t.utf8 + "\") has a height that is not positive");
  if (!std::isfinite(t.rotationDeg)) Fail(what + " (text) has a rotation that is not a number");
  if (!text::IsValidUtf8(t.utf8)) Fail(what + " has text that is not UTF-8");
}

void CheckArc(const Arc& a, const std::string& what) {
  CheckFinite(a.centre, what);
  CheckRadius(a.radius, what);
  if (!std::isfinite(a.startDeg) || !std::isfinite(a.endDeg)) Fail(what + " has an angle that is not a number");
}

void CheckPicture(const DimensionPicture& p, const std::string& what) {
  for (const Line& l : p.lines) {
    CheckFinite(l.start, what + " (its picture)");
    CheckFinite(l.end, what + " (its picture)");
  }
  for (const Solid& solid : p.solids)
    for (const Point& c : solid.corners) CheckFinite(c, what + " (an arrowhead)");
  for (const Arc& a : p.arcs) CheckArc(a, what + " (an arc of its picture)");
  for (const Text& t : p.texts) CheckText(t, what + " (a text of its picture)");
  if (p.texts.empty()) Fail(what + " (a dimension) draws no text; its picture needs the figure it shows");
}

std::string Figure(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", v);
  return text;
}

// What the defining points measure: sheet mm, or degrees for an angle.
double Measured(const Dimension& d) {
  const double dx = d.secondOrigin.x - d.firstOrigin.x, dy = d.secondOrigin.y - d.firstOrigin.y;
  switch (d.kind) {
    case DimensionKind::Linear: {
      const double r = d.rotationDeg * std::numbers::pi / 180.0;
      return std::fabs(dx * std::cos(r) + dy * std::sin(r));
    }
    case DimensionKind::Aligned: return std::hypot(dx, dy);
    case DimensionKind::Radius:
    case DimensionKind::Diameter: return std::hypot(d.arcPoint.x - d.definition.x, d.arcPoint.y - d.definition.y);
    case DimensionKind::Angular: {
      const double a1 = std::atan2(d.firstOrigin.y - d.vertex.y, d.firstOrigin.x - d.vertex.x);
      const double a2 = std::atan2(d.secondOrigin.y - d.vertex.y, d.secondOrigin.x - d.vertex.x);
      return std::fabs(std::remainder(a2 - a1, 2 * std::numbers::pi)) * 180.0 / std::numbers::pi;
    }
  }
  return 0;
}

constexpr const char* kKindNames[] = {"linear", "aligned", "radius", "diameter", "angular"};

// Within half of the smallest figure shown (0.01 mm or degree).
constexpr double kValueTolerance = 0.005;

void CheckDimension(const Dimension& d, const std::string& what) {
  const int kindIndex = static_cast<int>(d.kind);
  if (kindIndex < 0 || kindIndex >= static_cast<int>(std::size(kKindNames)))
    Fail(what + " is a dimension of unknown kind " + std::to_string(kindIndex));
  const std::string kind = kKindNames[kindIndex];
  const std::string dim = what + " (a " + kind + " dimension)";
  for (const Point& p : {d.definition, d.firstOrigin, d.secondOrigin, d.arcPoint, d.vertex, d.textMidpoint})
    CheckFinite(p, dim);
  if (!std::isfinite(d.rotationDeg)) Fail(dim + " has a rotation that is not a number");
  if (!(std::isfinite(d.value) && d.value > 0)) Fail(dim + " measures " + Figure(d.value) + "; it must be positive");
  if (!(std::isfinite(d.scale) && d.scale > 0)) Fail(dim + " has scale " + Figure(d.scale) + "; it must be positive");
  if (!(std::isfinite(d.textHeight) && d.textHeight > 0)) Fail(dim + " has a text height that is not positive");
  if (!text::IsValidUtf8(d.utf8)) Fail(dim + " has text that is not UTF-8");
  const double measured = Measured(d);
  if (d.kind == DimensionKind::Angular) {
    // The arc may span the angle or its complement to a full turn.
    if (std::fabs(measured - d.value) > kValueTolerance && std::fabs(360.0 - measured - d.value) > kValueTolerance)
      Fail(dim + " is given as " + Figure(d.value) + " degrees but its points make " + Figure(measured));
  } else if (std::fabs(measured / d.scale - d.value) > kValueTolerance) {
    Fail(dim + " is given as " + Figure(d.value) + " mm but its points measure " + Figure(measured) + " sheet mm, " +
         Figure(measured / d.scale) + " mm at scale " + Figure(d.scale));
  }
  CheckPicture(d.picture, dim);
}

void CheckGeometry(const Geometry& geometry, const std::string& what) {
  std::visit(
      [&](const auto& g) {
        using T = std::decay_t<decltype(g)>;
        if constexpr (std::is_same_v<T, Line>) {
          CheckFinite(g.start, what);
          CheckFinite(g.end, what);
        } else if constexpr (std::is_same_v<T, Arc>) {
          CheckArc(g, what);
        } else if constexpr (std::is_same_v<T, Circle>) {
          CheckFinite(g.centre, what);
          CheckRadius(g.radius, what);
        } else if constexpr (std::is_same_v<T, Polyline>) {
          if (g.points.size() < 2) Fail(what + " (a polyline) has " + std::to_string(g.points.size()) + " points; it needs two or more");
          for (const Point& p : g.points) CheckFinite(p, what);
        } else if constexpr (std::is_same_v<T, Text>) {
          CheckText(g, what);
        } else if constexpr (std::is_same_v<T, Solid>) {
          for (const Point& c : g.corners) CheckFinite(c, what);
        } else {
          CheckDimension(g, what);
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
