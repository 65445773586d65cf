// The smallest distance between two shapes (bodies, faces, edges), with the nearest
// points. Construct, Perform, then read; readers throw before a successful Perform.
#pragma once
#include <array>

#include <TopoDS_Shape.hxx>

namespace platform {

class MinDistance {
public:
  MinDistance(TopoDS_Shape a, TopoDS_Shape b) : a_(std::move(a)), b_(std::move(b)) {}

  // False when either shape has no geometry or the modeller finds no solution.
  bool Perform();
  bool IsDone() const { return done_; }

  double Value() const;                   // mm; 0 when the shapes touch or overlap
  std::array<double, 3> PointOnA() const;
  std::array<double, 3> PointOnB() const;

private:
  void RequireDone(const char* method) const;

  TopoDS_Shape a_, b_;
  bool done_ = false;
  double value_ = 0;
  std::array<double, 3> onA_{}, onB_{};
};

}  // namespace platform
