#include "platform/drafting/model_views.h"

#include <cmath>
#include <numbers>

#include "platform/objects/host_error.h"

namespace platform::drafting {

namespace {

constexpr double Degrees(double d) { return d * std::numbers::pi / 180; }

// Top-front-right trimetric: the front view turned 38 degrees about Z and seen from
// 30 degrees above, so that X, Y and Z are all foreshortened differently (0.846, 0.731,
// 0.866) and the front face shows more than the right one.
constexpr double kTrimetricTurn = Degrees(38);
constexpr double kTrimetricElevation = Degrees(30);

std::array<ModelView, 8> MakeViews() {
  const double a = kTrimetricTurn, e = kTrimetricElevation;
  return {{
      {"Front", gp_Dir(0, -1, 0), gp_Dir(1, 0, 0)},
      {"Top", gp_Dir(0, 0, 1), gp_Dir(1, 0, 0)},
      {"Right", gp_Dir(1, 0, 0), gp_Dir(0, 1, 0)},
      {"Left", gp_Dir(-1, 0, 0), gp_Dir(0, -1, 0)},
      {"Back", gp_Dir(0, 1, 0), gp_Dir(-1, 0, 0)},
      {"Bottom", gp_Dir(0, 0, -1), gp_Dir(1, 0, 0)},
      // Top-front-right isometric: the eye on the (1, -1, 1) diagonal.
      {"Isometric", gp_Dir(1, -1, 1), gp_Dir(1, 1, 0)},
      {"Trimetric", gp_Dir(std::sin(a) * std::cos(e), -std::cos(a) * std::cos(e), std::sin(e)),
       gp_Dir(std::cos(a), std::sin(a), 0)},
  }};
}

}  // namespace

const std::array<ModelView, 8>& StandardModelViews() {
  static const std::array<ModelView, 8> views = MakeViews();
  return views;
}

const ModelView* FindStandardModelView(std::string_view name) {
  for (const ModelView& view : StandardModelViews())
    if (view.name == name) return &view;
  return nullptr;
}

const ModelView& StandardModelView(std::string_view name) {
  if (const ModelView* view = FindStandardModelView(name)) return *view;
  throw HostError(HostStatus::NotFound,
                  "no model view named \"" + std::string(name) +
                      "\" (the standard views are Front, Top, Right, Left, Back, Bottom, "
                      "Isometric, Trimetric)");
}

}  // namespace platform::drafting
