#include "platform/geometry/min_distance.h"

#include <stdexcept>
#include <string>

#include <BRepExtrema_DistShapeShape.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

#include "platform/geometry/min_distance_free_form.h"
#include "platform/geometry/recent_measurements.h"

namespace platform {

namespace {

bool HasGeometry(const TopoDS_Shape& shape) {
  if (shape.IsNull()) return false;
  TopExp_Explorer vertices(shape, TopAbs_VERTEX);
  TopExp_Explorer faces(shape, TopAbs_FACE);
  return vertices.More() || faces.More();
}

}  // namespace

bool MinDistance::Perform() {
  done_ = false;
  if (!HasGeometry(a_) || !HasGeometry(b_)) return false;
  struct Answer {
    bool found = false;
    double value = 0;
    std::array<double, 3> onA{}, onB{};
  };
  // Pairs of faces of a few bodies of 500 faces.
  static RecentMeasurements<ShapePairKey, Answer, ShapePairKeyHash> answers(20000);
  const Answer& answer = answers.Get(ShapePairKey(ShapeKey(a_), ShapeKey(b_)), [&] {
    Answer fresh;
    // The exact global search between free-form faces can run for many minutes.
    if (a_.ShapeType() == TopAbs_FACE && b_.ShapeType() == TopAbs_FACE &&
        (IsFreeForm(TopoDS::Face(a_)) || IsFreeForm(TopoDS::Face(b_)))) {
      if (const auto found = FreeFormFaceDistance(TopoDS::Face(a_), TopoDS::Face(b_)))
        fresh = {true, found->value, found->onA, found->onB};
      return fresh;
    }
    // Solids count as filled: a body inside another is at distance 0 from it.
    BRepExtrema_DistShapeShape extrema(a_, b_, Extrema_ExtFlag_MIN);
    if (!extrema.IsDone() || extrema.NbSolution() < 1) return fresh;
    fresh = {true, extrema.Value(), Coordinates(extrema.PointOnShape1(1)), Coordinates(extrema.PointOnShape2(1))};
    return fresh;
  });
  if (!answer.found) return false;
  value_ = answer.value;
  onA_ = answer.onA;
  onB_ = answer.onB;
  done_ = true;
  return true;
}

void MinDistance::RequireDone(const char* method) const {
  if (!done_) throw std::logic_error(std::string("MinDistance::") + method + " called before a successful Perform()");
}

double MinDistance::Value() const {
  RequireDone("Value");
  return value_;
}

std::array<double, 3> MinDistance::PointOnA() const {
  RequireDone("PointOnA");
  return onA_;
}

std::array<double, 3> MinDistance::PointOnB() const {
  RequireDone("PointOnB");
  return onB_;
}

}  // namespace platform
