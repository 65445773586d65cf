#include "platform/dwg/extents.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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
          } else {
            box.Add(g.position.x, g.position.y);
          }
        },
        entity.geometry);
  }
  if (box.empty) return {{0, 0}, {drawing.sheetWidthMm, drawing.sheetHeightMm}};
  return box.e;
}

}  // namespace platform::dwg
