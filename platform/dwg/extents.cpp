#include "platform/dwg/extents.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace platform::dwg {
namespace {

struct Box {
  bool empty = true;
  Extents e;
  void Add(double x, double y) {
    if (empty) {
      e.min = e.max = {x, y};
      empty = false;
      return;
    }
    e.min.x = std::min(e.min.x, x);
    e.min.y = std::min(e.min.y, y);
    e.max.x = std::max(e.max.x, x);
    e.max.y = std::max(e.max.y, y);
  }
};

double Normalized(double deg) {
  double d = std::fmod(deg, 360.0);
  return d < 0 ? d + 360.0 : d;
}

// Whether the counter-clockwise sweep from `start` to `end` passes `angle` (degrees).
bool Sweeps(double start, double end, double angle) {
  const double sweep = Normalized(end - start);
  const double to = Normalized(angle - start);
  return sweep == 0 ? true : to <= sweep;
}

void AddArc(Box& box, const Arc& a) {
  const double toRad = std::numbers::pi / 180.0;
  box.Add(a.centre.x + a.radius * std::cos(a.startDeg * toRad), a.centre.y + a.radius * std::sin(a.startDeg * toRad));
  box.Add(a.centre.x + a.radius * std::cos(a.endDeg * toRad), a.centre.y + a.radius * std::sin(a.endDeg * toRad));
  const double quadrant[4][3] = {{0, 1, 0}, {90, 0, 1}, {180, -1, 0}, {270, 0, -1}};
  for (const auto& q : quadrant)
    if (Sweeps(a.startDeg, a.endDeg, q[0])) box.Add(a.centre.x + a.radius * q[1], a.centre.y + a.radius * q[2]);
}

void AddPicture(Box& box, const DimensionPicture& p) {
  for (const Line& l : p.lines) {
    box.Add(l.start.x, l.start.y);
    box.Add(l.end.x, l.end.y);
  }
  for (const Solid& s : p.solids)
    for (const Point& c : s.corners) box.Add(c.x, c.y);
  for (const Arc& a : p.arcs) AddArc(box, a);
  for (const Text& t : p.texts) box.Add(t.position.x, t.position.y);
}

// The points a dimension of this kind is defined by (the others are unused).
std::vector<Point> DefiningPoints(const Dimension& d) {
  switch (d.kind) {
    case DimensionKind::Linear:
    case DimensionKind::Aligned: return {d.definition, d.firstOrigin, d.secondOrigin, d.textMidpoint};
    case DimensionKind::Radius:
    case DimensionKind::Diameter: return {d.definition, d.arcPoint, d.textMidpoint};
    case DimensionKind::Angular: return {d.definition, d.firstOrigin, d.secondOrigin, d.vertex, d.textMidpoint};
  }
  return {};
}

}  // namespace

Extents DrawingExtents(const Drawing& drawing) {
  Box box;
  for (const Entity& entity : drawing.entities) {
    std::visit(
        [&](const auto& g) {
          using T = std::decay_t<decltype(g)>;
          if constexpr (std::is_same_v<T, Line>) {
            box.Add(g.start.x, g.start.y);
            box.Add(g.end.x, g.end.y);
          } else if constexpr (std::is_same_v<T, Arc>) {
            AddArc(box, g);
          } else if constexpr (std::is_same_v<T, Circle>) {
            box.Add(g.centre.x - g.radius, g.centre.y - g.radius);
            box.Add(g.centre.x + g.radius, g.centre.y + g.radius);
          } else if constexpr (std::is_same_v<T, Polyline>) {
            for (const Point& p : g.points) box.Add(p.x, p.y);
          } else if constexpr (std::is_same_v<T, Text>) {
            box.Add(g.position.x, g.position.y);
          } else if constexpr (std::is_same_v<T, Solid>) {
            for (const Point& c : g.corners) box.Add(c.x, c.y);
          } else {
            for (const Point& p : DefiningPoints(g)) box.Add(p.x, p.y);
            AddPicture(box, g.picture);
          }
        },
        entity.geometry);
  }
  if (box.empty) return {{0, 0}, {drawing.sheetWidthMm, drawing.sheetHeightMm}};
  return box.e;
}

}  // namespace platform::dwg
