/* The host's vector utilities (as the real host's uf_vec.h): three-component vectors
 * and points. They never fail; NULL pointers are refused like any host call's. */
#ifndef UF_VEC_INCLUDED
#define UF_VEC_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

extern UFUNEXPORT void UF_VEC3_add(const double vec1[3], const double vec2[3], double vec_sum[3]);
/* vec1 - vec2 */
extern UFUNEXPORT void UF_VEC3_sub(const double vec1[3], const double vec2[3], double vec_diff[3]);
extern UFUNEXPORT void UF_VEC3_scale(double scale, const double vec[3], double scaled_vec[3]);
extern UFUNEXPORT void UF_VEC3_negate(const double vec[3], double negated_vec[3]);
extern UFUNEXPORT void UF_VEC3_dot(const double vec1[3], const double vec2[3], double *dot_product);
extern UFUNEXPORT void UF_VEC3_cross(const double vec1[3], const double vec2[3], double cross_product[3]);
extern UFUNEXPORT void UF_VEC3_mag(const double vec[3], double *magnitude);
extern UFUNEXPORT void UF_VEC3_distance(const double pnt1[3], const double pnt2[3], double *distance);
/* pnt + scale * vec */
extern UFUNEXPORT void UF_VEC3_affine_comb(const double pnt[3], double scale, const double vec[3],
                                           double pnt_out[3]);
/* The unit vector and the magnitude; a vector not longer than `tolerance` gives a zero
 * vector and its magnitude. */
extern UFUNEXPORT void UF_VEC3_unitize(const double vec[3], double tolerance, double *magnitude,
                                       double unit_vector[3]);
/* *is_zero is 1 when the vector is not longer than `tolerance`. */
extern UFUNEXPORT void UF_VEC3_is_zero(const double vec[3], double tolerance, int *is_zero);

#ifdef __cplusplus
}
#endif

#endif /* UF_VEC_INCLUDED */
