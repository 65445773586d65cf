/* The host's matrix utilities (as the real host's uf_mtx.h). A 3x3 orientation matrix
 * is stored row by row with the X, Y and Z axes as its rows; a 4x4 transform row by row
 * with the translation in the last column. */
#ifndef UF_MTX_INCLUDED
#define UF_MTX_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* An orthonormal matrix from an X direction (kept) and a Y direction (made perpendicular
 * to X in their plane); Z = X x Y. Fails when either is zero or they are parallel. */
extern UFUNEXPORT int UF_MTX3_initialize(const double x_vec[3], const double y_vec[3], double mtx[9]);
/* Makes a matrix orthonormal again, keeping its X row; fails when its rows are degenerate. */
extern UFUNEXPORT int UF_MTX3_ortho_normalize(double mtx[9]);
extern UFUNEXPORT void UF_MTX3_identity(double mtx[9]);
extern UFUNEXPORT void UF_MTX3_x_vec(const double mtx[9], double x_vec[3]);
extern UFUNEXPORT void UF_MTX3_y_vec(const double mtx[9], double y_vec[3]);
extern UFUNEXPORT void UF_MTX3_z_vec(const double mtx[9], double z_vec[3]);
/* mtx * vec: an absolute vector into the matrix's axes. */
extern UFUNEXPORT void UF_MTX3_vec_multiply(const double vec[3], const double mtx[9], double vec_product[3]);
/* transpose(mtx) * vec: a vector along the matrix's axes back to absolute. */
extern UFUNEXPORT void UF_MTX3_vec_multiply_t(const double vec[3], const double mtx[9], double vec_product[3]);

/* The 4x4 motion that moves objects from the "from" system (origin, X and Y axes, all
 * absolute) to the "to" system, keeping their position relative to the system: what
 * uf5947 takes to move objects csys to csys. */
extern UFUNEXPORT void UF_MTX4_csys_to_csys(const double from_origin[3], const double from_x_axis[3],
                                            const double from_y_axis[3], const double to_origin[3],
                                            const double to_x_axis[3], const double to_y_axis[3],
                                            double mtx[16]);
/* Applies a 4x4 transform to a point. */
extern UFUNEXPORT void UF_MTX4_vec3_multiply(const double vec[3], const double mtx[16], double vec_product[3]);

#ifdef __cplusplus
}
#endif

#endif /* UF_MTX_INCLUDED */
