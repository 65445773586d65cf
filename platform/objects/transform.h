// Rigid placement of a component in its parent: a rotation matrix (rows) and a
// translation, in millimetres. Kept free of the modeller so the object model is light.
#pragma once
#include <array>

namespace platform {

struct Transform {
  // x' = R x + t; R stored row by row.
  std::array<double, 9> rotation{1, 0, 0, 0, 1, 0, 0, 0, 1};
  std::array<double, 3> translation{0, 0, 0};

  static Transform Identity() { return {}; }
  static Transform Translation(double x, double y, double z);
  // this ∘ inner: first apply inner, then this.
  Transform Then(const Transform& outer) const;
  Transform Inverse() const;
  std::array<double, 3> Apply(const std::array<double, 3>& p) const;
  std::array<double, 3> ApplyToVector(const std::array<double, 3>& v) const;
  bool IsIdentity(double tol = 1e-12) const;
  bool operator==(const Transform&) const = default;
};

}  // namespace platform
