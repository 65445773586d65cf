// uf_mtx.h: orientation matrices (axes as rows) and 4x4 transforms.
#include <uf_mtx.h>

#include <array>
#include <cmath>

#include "platform/api/guard.h"

using namespace platform;
using namespace platform::api;

namespace {

using V = std::array<double, 3>;

// Directions shorter than this are taken for zero, as the host's default tolerance.
constexpr double kZeroLength = 1e-10;

V Row(const double* m, int i) { return {m[i * 3], m[i * 3 + 1], m[i * 3 + 2]}; }
V Load(const double* v) { return {v[0], v[1], v[2]}; }
double Dot(const V& a, const V& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
V Cross(const V& a, const V& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
V Unit(const V& v, const char* what) {
  const double length = std::sqrt(Dot(v, v));
  if (length <= kZeroLength) throw HostError(HostStatus::InvalidArgument, std::string(what) + " is a zero vector");
  return {v[0] / length, v[1] / length, v[2] / length};
}

// X kept, Y made perpendicular to it in their plane, Z = X x Y.
std::array<V, 3> Orthonormal(const V& x, const V& y) {
  const V ux = Unit(x, "the X direction");
  const double along = Dot(y, ux);
  const V perpendicular{y[0] - along * ux[0], y[1] - along * ux[1], y[2] - along * ux[2]};
  if (std::sqrt(Dot(perpendicular, perpendicular)) <= kZeroLength * std::max(1.0, std::sqrt(Dot(y, y))))
    throw HostError(HostStatus::InvalidArgument, "the Y direction is zero or parallel to X");
  const V uy = Unit(perpendicular, "the Y direction");
  return {ux, uy, Cross(ux, uy)};
}

void Store(const std::array<V, 3>& rows, double* mtx) {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) mtx[i * 3 + j] = rows[i][j];
}

}  // namespace

extern "C" {

int UF_MTX3_initialize(const double x_vec[3], const double y_vec[3], double mtx[9]) {
  return Guard("UF_MTX3_initialize", [&] {
    Need(x_vec, "x_vec"), Need(y_vec, "y_vec"), Need(mtx, "mtx");
    Store(Orthonormal(Load(x_vec), Load(y_vec)), mtx);
  });
}

int UF_MTX3_ortho_normalize(double mtx[9]) {
  return Guard("UF_MTX3_ortho_normalize", [&] {
    Need(mtx, "mtx");
    Store(Orthonormal(Row(mtx, 0), Row(mtx, 1)), mtx);
  });
}

void UF_MTX3_identity(double mtx[9]) {
  Guard("UF_MTX3_identity", [&] {
    Need(mtx, "mtx");
    for (int i = 0; i < 9; ++i) mtx[i] = i % 4 == 0 ? 1.0 : 0.0;
  });
}

void UF_MTX3_x_vec(const double mtx[9], double x_vec[3]) {
  Guard("UF_MTX3_x_vec", [&] { std::copy(Need(mtx, "mtx"), mtx + 3, Need(x_vec, "x_vec")); });
}

void UF_MTX3_y_vec(const double mtx[9], double y_vec[3]) {
  Guard("UF_MTX3_y_vec", [&] { std::copy(Need(mtx, "mtx") + 3, mtx + 6, Need(y_vec, "y_vec")); });
}

void UF_MTX3_z_vec(const double mtx[9], double z_vec[3]) {
  Guard("UF_MTX3_z_vec", [&] { std::copy(Need(mtx, "mtx") + 6, mtx + 9, Need(z_vec, "z_vec")); });
}

void UF_MTX3_vec_multiply(const double vec[3], const double mtx[9], double vec_product[3]) {
  Guard("UF_MTX3_vec_multiply", [&] {
    const V v = Load(Need(vec, "vec"));
    Need(mtx, "mtx"), Need(vec_product, "vec_product");
    for (int i = 0; i < 3; ++i) vec_product[i] = Dot(Row(mtx, i), v);
  });
}

void UF_MTX3_vec_multiply_t(const double vec[3], const double mtx[9], double vec_product[3]) {
  Guard("UF_MTX3_vec_multiply_t", [&] {
    const V v = Load(Need(vec, "vec"));
    Need(mtx, "mtx"), Need(vec_product, "vec_product");
    for (int j = 0; j < 3; ++j) vec_product[j] = mtx[j] * v[0] + mtx[3 + j] * v[1] + mtx[6 + j] * v[2];
  });
}

void UF_MTX4_csys_to_csys(const double from_origin[3], const double from_x_axis[3], const double from_y_axis[3],
                          const double to_origin[3], const double to_x_axis[3], const double to_y_axis[3],
                          double mtx[16]) {
  Guard("UF_MTX4_csys_to_csys", [&] {
    Need(mtx, "mtx");
    const auto from = Orthonormal(Load(Need(from_x_axis, "from_x_axis")), Load(Need(from_y_axis, "from_y_axis")));
    const auto to = Orthonormal(Load(Need(to_x_axis, "to_x_axis")), Load(Need(to_y_axis, "to_y_axis")));
    const V fo = Load(Need(from_origin, "from_origin"));
    const V to0 = Load(Need(to_origin, "to_origin"));
    // Moves what sits in the first system to the same place in the second:
    // q = Oto + RtoT Rfrom (p - Ofrom), so the matrix is M = RtoT Rfrom, t = Oto - M Ofrom.
    double m[3][3];
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) m[i][j] = to[0][i] * from[0][j] + to[1][i] * from[1][j] + to[2][i] * from[2][j];
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) mtx[i * 4 + j] = m[i][j];
      mtx[i * 4 + 3] = to0[i] - (m[i][0] * fo[0] + m[i][1] * fo[1] + m[i][2] * fo[2]);
    }
    mtx[12] = mtx[13] = mtx[14] = 0;
    mtx[15] = 1;
  });
}

void UF_MTX4_vec3_multiply(const double vec[3], const double mtx[16], double vec_product[3]) {
  Guard("UF_MTX4_vec3_multiply", [&] {
    const V v = Load(Need(vec, "vec"));
    Need(mtx, "mtx"), Need(vec_product, "vec_product");
    for (int i = 0; i < 3; ++i) vec_product[i] = mtx[i * 4] * v[0] + mtx[i * 4 + 1] * v[1] + mtx[i * 4 + 2] * v[2] + mtx[i * 4 + 3];
  });
}

}  // extern "C"
