// Vectors, matrices and coordinate systems: the arithmetic the stock measurement
// relies on, the work coordinate system moved and restored, and temporary objects that
// stay out of part files.
#include <uf.h>
#include <uf_csys.h>
#include <uf_modl.h>
#include <uf_mtx.h>
#include <uf_obj.h>
#include <uf_part.h>
#include <uf_vec.h>

#include <cmath>
#include <filesystem>

#include "tests/support/api_fixture.h"
#include "platform/text/host_path.h"

using namespace platform;
using namespace fabdoc_test;

class CoordinateSystems : public ApiPartTest {};

TEST_F(CoordinateSystems, VectorArithmetic) {
  const double a[3] = {1, 2, 3}, b[3] = {4, 6, 3}, x[3] = {1, 0, 0}, y[3] = {0, 1, 0};
  double d = 0, out[3];
  UF_VEC3_distance(a, b, &d);
  EXPECT_DOUBLE_EQ(d, 5);  // (3, 4, 0)
  UF_VEC3_sub(b, a, out);
  EXPECT_EQ(std::vector<double>(out, out + 3), (std::vector<double>{3, 4, 0}));
  UF_VEC3_add(a, b, out);
  EXPECT_EQ(std::vector<double>(out, out + 3), (std::vector<double>{5, 8, 6}));
  UF_VEC3_cross(x, y, out);
  EXPECT_EQ(std::vector<double>(out, out + 3), (std::vector<double>{0, 0, 1}));
  UF_VEC3_dot(a, b, &d);
  EXPECT_DOUBLE_EQ(d, 4 + 12 + 9);
  const double v[3] = {3, 4, 0};
  UF_VEC3_unitize(v, 1e-10, &d, out);
  EXPECT_DOUBLE_EQ(d, 5);
  EXPECT_DOUBLE_EQ(out[0], 0.6);
  EXPECT_DOUBLE_EQ(out[1], 0.8);
  UF_VEC3_affine_comb(a, 2, v, out);
  EXPECT_EQ(std::vector<double>(out, out + 3), (std::vector<double>{7, 10, 3}));
  UF_VEC3_negate(a, out);
  EXPECT_EQ(std::vector<double>(out, out + 3), (std::vector<double>{-1, -2, -3}));
  UF_VEC3_scale(0.5, b, out);
  EXPECT_EQ(std::vector<double>(out, out + 3), (std::vector<double>{2, 3, 1.5}));
  const double zero[3] = {0, 0, 0};
  UF_VEC3_unitize(zero, 1e-10, &d, out);
  EXPECT_EQ(std::vector<double>(out, out + 3), (std::vector<double>{0, 0, 0})) << "no direction";
}

TEST_F(CoordinateSystems, MatrixKeepsXAndStraightensY) {
  // X along (0, 0, 2); Y given as (1, 0, 1) loses its part along X: (1, 0, 0); Z = X x Y = (0, 1, 0).
  const double x[3] = {0, 0, 2}, y[3] = {1, 0, 1};
  double m[9];
  ASSERT_EQ(UF_MTX3_initialize(x, y, m), 0);
  EXPECT_EQ(std::vector<double>(m, m + 9), (std::vector<double>{0, 0, 1, 1, 0, 0, 0, 1, 0}));
  const double parallel[3] = {0, 0, -5};
  EXPECT_EQ(UF_MTX3_initialize(x, parallel, m), 1003);
  double skew[9] = {2, 0, 0, 1, 1, 0, 0, 0, 1};
  ASSERT_EQ(UF_MTX3_ortho_normalize(skew), 0);
  EXPECT_EQ(std::vector<double>(skew, skew + 9), (std::vector<double>{1, 0, 0, 0, 1, 0, 0, 0, 1}));

  // From a system at (10, 0, 0) turned 90 degrees about Z to the absolute one: what lies
  // at its point (1, 0, 0), absolute (10, 1, 0), moves to the absolute (1, 0, 0).
  const double from[3] = {10, 0, 0}, fx[3] = {0, 1, 0}, fy[3] = {-1, 0, 0};
  const double to[3] = {0, 0, 0}, tx[3] = {1, 0, 0}, ty[3] = {0, 1, 0};
  double t[16], p[3] = {10, 1, 0}, q[3];
  UF_MTX4_csys_to_csys(from, fx, fy, to, tx, ty, t);
  UF_MTX4_vec3_multiply(p, t, q);
  EXPECT_NEAR(q[0], 1, 1e-12);
  EXPECT_NEAR(q[1], 0, 1e-12);
  EXPECT_NEAR(q[2], 0, 1e-12);
  // And back: the absolute (1, 0, 0) returns to (10, 1, 0).
  UF_MTX4_csys_to_csys(to, tx, ty, from, fx, fy, t);
  UF_MTX4_vec3_multiply(q, t, p);
  EXPECT_NEAR(p[0], 10, 1e-12);
  EXPECT_NEAR(p[1], 1, 1e-12);
  // A pure shift of the system by (5, 0, 0) moves everything by (5, 0, 0).
  const double shifted[3] = {15, 0, 0};
  double r[3];
  UF_MTX4_csys_to_csys(from, fx, fy, shifted, fx, fy, t);
  UF_MTX4_vec3_multiply(q, t, r);
  EXPECT_NEAR(r[0], 6, 1e-12);
  EXPECT_NEAR(r[1], 0, 1e-12);
}

TEST_F(CoordinateSystems, WcsStartsAbsoluteMovesAndComesBack) {
  tag_t wcs = NULL_TAG, matrix = NULL_TAG;
  double origin[3] = {9, 9, 9}, values[9];
  ASSERT_EQ(UF_CSYS_ask_wcs(&wcs), 0);
  int type = 0, subtype = 0;
  UF_OBJ_ask_type_and_subtype(wcs, &type, &subtype);
  EXPECT_EQ(type, UF_coordinate_system_type);
  EXPECT_EQ(subtype, UF_csys_wcs_subtype);
  ASSERT_EQ(UF_CSYS_ask_csys_info(wcs, &matrix, origin), 0);
  ASSERT_EQ(UF_CSYS_ask_matrix_values(matrix, values), 0);
  EXPECT_EQ(std::vector<double>(origin, origin + 3), (std::vector<double>{0, 0, 0}));
  EXPECT_EQ(std::vector<double>(values, values + 9), (std::vector<double>{1, 0, 0, 0, 1, 0, 0, 0, 1}));
  tag_t copy = NULL_TAG;
  ASSERT_EQ(UF_CSYS_create_temp_csys(origin, matrix, &copy), 0);

  const double turned[9] = {0, 1, 0, -1, 0, 0, 0, 0, 1}, at[3] = {5, 6, 7};
  tag_t m2 = NULL_TAG, moved = NULL_TAG;
  ASSERT_EQ(UF_CSYS_create_matrix(turned, &m2), 0);
  ASSERT_EQ(UF_CSYS_create_temp_csys(at, m2, &moved), 0);
  ASSERT_EQ(UF_CSYS_set_wcs(moved), 0);
  tag_t again = NULL_TAG;
  UF_CSYS_ask_wcs(&again);
  EXPECT_EQ(again, wcs) << "the WCS keeps its tag";
  UF_CSYS_ask_csys_info(wcs, &matrix, origin);
  UF_CSYS_ask_matrix_values(matrix, values);
  EXPECT_EQ(std::vector<double>(origin, origin + 3), (std::vector<double>{5, 6, 7}));
  EXPECT_EQ(std::vector<double>(values, values + 9), std::vector<double>(turned, turned + 9));

  ASSERT_EQ(UF_CSYS_set_wcs(copy), 0);
  UF_CSYS_ask_csys_info(wcs, &matrix, origin);
  UF_CSYS_ask_matrix_values(matrix, values);
  EXPECT_EQ(std::vector<double>(origin, origin + 3), (std::vector<double>{0, 0, 0}));
  EXPECT_EQ(std::vector<double>(values, values + 9), (std::vector<double>{1, 0, 0, 0, 1, 0, 0, 0, 1}));

  // Another part has its own WCS, still absolute.
  Part& other = session().NewPart("\\p\\b.prt");
  UF_CSYS_set_wcs(moved);
  session().SetDisplayed(&other);
  tag_t otherWcs = NULL_TAG;
  UF_CSYS_ask_wcs(&otherWcs);
  EXPECT_NE(otherWcs, wcs);
  UF_CSYS_ask_csys_info(otherWcs, &matrix, origin);
  EXPECT_EQ(std::vector<double>(origin, origin + 3), (std::vector<double>{0, 0, 0}));
}

TEST_F(CoordinateSystems, BadMatricesAreRefused) {
  const double skewed[9] = {1, 0, 0, 0.5, 1, 0, 0, 0, 1}, mirrored[9] = {1, 0, 0, 0, 1, 0, 0, 0, -1};
  tag_t matrix = 77;
  EXPECT_EQ(UF_CSYS_create_matrix(skewed, &matrix), 1003);
  EXPECT_EQ(matrix, NULL_TAG);
  EXPECT_EQ(UF_CSYS_create_matrix(mirrored, &matrix), 1003);
  char message[133];
  UF_get_fail_message(1003, message);
  EXPECT_NE(std::string(message).find("left-handed"), std::string::npos) << message;
  const double origin[3] = {0, 0, 0};
  tag_t csys = NULL_TAG;
  const tag_t body = AddBox(*part, 0, 0, 0, 1, 1, 1).GetTag();
  EXPECT_EQ(UF_CSYS_create_temp_csys(origin, body, &csys), 1002) << "a body is not a matrix";
  EXPECT_EQ(UF_CSYS_set_wcs(body), 1002);
}

TEST_F(CoordinateSystems, TemporaryObjectsStayOutOfThePartFile) {
  const std::string local = FreshDir("csys");
  const std::string path = ToHostPath(local) + "\\m.prt";
  tag_t made = NULL_TAG;
  ASSERT_EQ(UF_PART_new(path.c_str(), UF_PART_METRIC, &made), 0);
  AddBox(*session().FindAs<Part>(made), 0, 0, 0, 1, 2, 3);
  const double turned[9] = {0, 1, 0, -1, 0, 0, 0, 0, 1}, at[3] = {5, 6, 7};
  tag_t matrix = NULL_TAG, csys = NULL_TAG;
  ASSERT_EQ(UF_CSYS_create_matrix(turned, &matrix), 0);
  ASSERT_EQ(UF_CSYS_create_temp_csys(at, matrix, &csys), 0);
  ASSERT_EQ(UF_CSYS_set_wcs(csys), 0);
  ASSERT_EQ(UF_PART_save(), 0);
  ASSERT_EQ(UF_PART_close(made, UF_PART_close_scope_this_part, UF_PART_close_mode_unload), 0);
  UF_PART_load_status_t status{};
  ASSERT_EQ(UF_PART_open(path.c_str(), &made, &status), 0);
  UF_PART_free_load_status(&status);
  EXPECT_EQ(session().FindAs<Part>(made)->Objects().size(), 1u) << "only the body was saved";
  tag_t wcs = NULL_TAG;
  double origin[3] = {1, 1, 1};
  UF_CSYS_ask_wcs(&wcs);
  UF_CSYS_ask_csys_info(wcs, &matrix, origin);
  EXPECT_EQ(std::vector<double>(origin, origin + 3), (std::vector<double>{0, 0, 0})) << "the WCS is not saved";
}
