// uf_vec.h: three-component vector arithmetic.
#include <uf_vec.h>

#include <cmath>

#include "platform/api/guard.h"

using namespace platform;
using namespace platform::api;

extern "C" {

void UF_VEC3_add(const double vec1[3], const double vec2[3], double vec_sum[3]) {
  Guard("UF_VEC3_add", [&] {
    Need(vec1, "vec1"), Need(vec2, "vec2"), Need(vec_sum, "vec_sum");
    for (int i = 0; i < 3; ++i) vec_sum[i] = vec1[i] + vec2[i];
  });
}

void UF_VEC3_sub(const double vec1[3], const double vec2[3], double vec_diff[3]) {
  Guard("UF_VEC3_sub", [&] {
    Need(vec1, "vec1"), Need(vec2, "vec2"), Need(vec_diff, "vec_diff");
    for (int i = 0; i < 3; ++i) vec_diff[i] = vec1[i] - vec2[i];
  });
}

void UF_VEC3_scale(double scale, const double vec[3], double scaled_vec[3]) {
  Guard("UF_VEC3_scale", [&] {
    Need(vec, "vec"), Need(scaled_vec, "scaled_vec");
    for (int i = 0; i < 3; ++i) scaled_vec[i] = scale * vec[i];
  });
}

void UF_VEC3_negate(const double vec[3], double negated_vec[3]) {
  Guard("UF_VEC3_negate", [&] {
    Need(vec, "vec"), Need(negated_vec, "negated_vec");
    for (int i = 0; i < 3; ++i) negated_vec[i] = -vec[i];
  });
}

void UF_VEC3_dot(const double vec1[3], const double vec2[3], double* dot_product) {
  Guard("UF_VEC3_dot", [&] {
    Need(vec1, "vec1"), Need(vec2, "vec2"), Need(dot_product, "dot_product");
    *dot_product = vec1[0] * vec2[0] + vec1[1] * vec2[1] + vec1[2] * vec2[2];
  });
}

void UF_VEC3_cross(const double vec1[3], const double vec2[3], double cross_product[3]) {
  Guard("UF_VEC3_cross", [&] {
    Need(vec1, "vec1"), Need(vec2, "vec2"), Need(cross_product, "cross_product");
    const double x = vec1[1] * vec2[2] - vec1[2] * vec2[1];
    const double y = vec1[2] * vec2[0] - vec1[0] * vec2[2];
    const double z = vec1[0] * vec2[1] - vec1[1] * vec2[0];
    cross_product[0] = x, cross_product[1] = y, cross_product[2] = z;  // the output may alias an input
  });
}

void UF_VEC3_mag(const double vec[3], double* magnitude) {
  Guard("UF_VEC3_mag", [&] {
    Need(vec, "vec"), Need(magnitude, "magnitude");
    *magnitude = std::sqrt(vec[0] * vec[0] + vec[1] * vec[1] + vec[2] * vec[2]);
  });
}

void UF_VEC3_distance(const double pnt1[3], const double pnt2[3], double* distance) {
  Guard("UF_VEC3_distance", [&] {
    Need(pnt1, "pnt1"), Need(pnt2, "pnt2"), Need(distance, "distance");
    *distance = std::hypot(pnt1[0] - pnt2[0], pnt1[1] - pnt2[1], pnt1[2] - pnt2[2]);
  });
}

void UF_VEC3_affine_comb(const double pnt[3], double scale, const double vec[3], double pnt_out[3]) {
  Guard("UF_VEC3_affine_comb", [&] {
    Need(pnt, "pnt"), Need(vec, "vec"), Need(pnt_out, "pnt_out");
    for (int i = 0; i < 3; ++i) pnt_out[i] = pnt[i] + scale * vec[i];
  });
}

void UF_VEC3_unitize(const double vec[3], double tolerance, double* magnitude, double unit_vector[3]) {
  Guard("UF_VEC3_unitize", [&] {
    Need(vec, "vec"), Need(magnitude, "magnitude"), Need(unit_vector, "unit_vector");
    const double length = std::hypot(vec[0], vec[1], vec[2]);
    *magnitude = length;
    for (int i = 0; i < 3; ++i) unit_vector[i] = length > tolerance ? vec[i] / length : 0.0;
  });
}

void UF_VEC3_is_zero(const double vec[3], double tolerance, int* is_zero) {
  Guard("UF_VEC3_is_zero", [&] {
    Need(vec, "vec"), Need(is_zero, "is_zero");
    *is_zero = std::hypot(vec[0], vec[1], vec[2]) <= tolerance ? 1 : 0;
  });
}

}  // extern "C"
