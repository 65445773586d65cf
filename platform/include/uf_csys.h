/* The host's coordinate systems (as the real host's uf_csys.h): matrices, temporary
 * coordinate systems and the work coordinate system (WCS). These objects live for the
 * session only and are never saved in part files. Matrices hold the X, Y, Z axes as rows. */
#ifndef UF_CSYS_INCLUDED
#define UF_CSYS_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The work part's WCS (type UF_coordinate_system_type, subtype UF_csys_wcs_subtype):
 * the absolute system until UF_CSYS_set_wcs moves it; one per part, kept for the session. */
extern UFUNEXPORT int UF_CSYS_ask_wcs(tag_t *wcs_id);
/* Moves the work part's WCS onto a coordinate system (its origin and axes are copied;
 * the WCS keeps its tag). */
extern UFUNEXPORT int UF_CSYS_set_wcs(tag_t wcs_id);
/* A coordinate system's matrix object and origin (absolute coordinates of its part). */
extern UFUNEXPORT int UF_CSYS_ask_csys_info(tag_t csys_id, tag_t *matrix_id, double csys_origin[3]);
extern UFUNEXPORT int UF_CSYS_ask_matrix_values(tag_t matrix_id, double matrix_values[9]);
/* A matrix object (type UF_matrix_type) in the work part; the values must be orthonormal. */
extern UFUNEXPORT int UF_CSYS_create_matrix(const double matrix_values[9], tag_t *matrix_id);
/* A temporary coordinate system in the work part at `csys_origin` with the matrix's axes. */
extern UFUNEXPORT int UF_CSYS_create_temp_csys(const double csys_origin[3], tag_t matrix_id, tag_t *csys_id);

#ifdef __cplusplus
}
#endif

#endif /* UF_CSYS_INCLUDED */
