#include "platform/objects/transform.h"

#include <cmath>

namespace platform {

Transform Transform::Translation(double x, double y, double z) {
  Transform t;
  t.translation = {x, y, z};
  return t;
}

Transform Transform::Then(const Transform& outer) const {
  // outer(this(x)) = Ro (Ri x + ti) + to
  Transform r;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      double s = 0;
      for (int k = 0; k < 3; ++k) s += outer.rotation[i * 3 + k] * rotation[k * 3 + j];
      r.rotation[i * 3 + j] = s;
    }
  r.translation = outer.Apply(translation);
  return r;
}

Transform Transform::Inverse() const {
  // Rotation is orthonormal: its inverse is its transpose.
  Transform r;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r.rotation[i * 3 + j] = rotation[j * 3 + i];
  auto t = r.ApplyToVector(translation);
  r.translation = {-t[0], -t[1], -t[2]};
  return r;
}

std::array<double, 3> Transform::ApplyToVector(const std::array<double, 3>& v) const {
  std::array<double, 3> r{};
  for (int i = 0; i < 3; ++i)
    r[i] = rotation[i * 3] * v[0] + rotation[i * 3 + 1] * v[1] + rotation[i * 3 + 2] * v[2];
  return r;
}

std::array<double, 3> Transform::Apply(const std::array<double, 3>& p) const {
  auto r = ApplyToVector(p);
  for (int i = 0; i < 3; ++i) r[i] += translation[i];
  return r;
}

bool Transform::IsIdentity(double tol) const {
  static const Transform id;
  for (int i = 0; i < 9; ++i)
    if (std::abs(rotation[i] - id.rotation[i]) > tol) return false;
  for (int i = 0; i < 3; ++i)
    if (std::abs(translation[i]) > tol) return false;
  return true;
}

}  // namespace platform
