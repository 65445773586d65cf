// Exact boxes along a coordinate system and minimum distances, as the stock
// measurement uses them: the work coordinate system put on the largest face, the box
// along it, and the distance between parallel faces for the thickness.
#include <uf.h>
#include <uf_csys.h>
#include <uf_modl.h>
#include <uf_mtx.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include <BRepBuilderAPI_Transform.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <gp_Trsf.hxx>

#include "tests/support/api_fixture.h"

using namespace platform;
using namespace fabdoc_test;

namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<tag_t> FacesOf(tag_t body) {
  uf_list_p_t list = nullptr;
  EXPECT_EQ(UF_MODL_ask_body_faces(body, &list), 0);
  std::vector<tag_t> faces;
  for (uf_list_p_t p = list; p && p->eid != NULL_TAG; p = p->next) faces.push_back(p->eid);
  UF_MODL_delete_list(&list);
  return faces;
}

struct Exact {
  double corner[3], dirs[3][3], size[3];
};

Exact ExactBox(tag_t object, tag_t csys) {
  Exact e{};
  EXPECT_EQ(UF_MODL_ask_bounding_box_exact(object, csys, e.corner, e.dirs, e.size), 0);
  return e;
}

std::vector<double> Sorted(const double size[3]) {
  std::vector<double> s(size, size + 3);
  std::sort(s.begin(), s.end());
  return s;
}

tag_t TempCsys(const double origin[3], const double x[3], const double y[3]) {
  double mtx[9];
  EXPECT_EQ(UF_MTX3_initialize(x, y, mtx), 0);
  tag_t matrix = NULL_TAG, csys = NULL_TAG;
  EXPECT_EQ(UF_CSYS_create_matrix(mtx, &matrix), 0);
  EXPECT_EQ(UF_CSYS_create_temp_csys(origin, matrix, &csys), 0);
  return csys;
}

double Distance(tag_t a, tag_t b) {
  double d = -1, p1[3], p2[3];
  EXPECT_EQ(UF_MODL_ask_minimum_dist(a, b, 0, nullptr, 0, nullptr, &d, p1, p2), 0);
  EXPECT_NEAR(std::hypot(p1[0] - p2[0], p1[1] - p2[1], p1[2] - p2[2]), d, 1e-9) << "the points are that far apart";
  return d;
}

}  // namespace

class Measure : public ApiPartTest {
protected:
  // A 2 x 100 x 300 plate from the origin turned 30 degrees about Z.
  tag_t TurnedPlate() {
    gp_Trsf turn;
    turn.SetRotation(gp::OZ(), kPi / 6);
    TopoDS_Shape plate = BRepBuilderAPI_Transform(BRepPrimAPI_MakeBox(2, 100, 300).Shape(), turn, true).Shape();
    return part->Add(std::make_unique<Body>(plate)).GetTag();
  }
  const double c = std::cos(kPi / 6), s = std::sin(kPi / 6);
};

TEST_F(Measure, ExactBoxAlongThePlatesOwnAxesGivesItsSizes) {
  const tag_t plate = TurnedPlate();
  // The plate's own frame: X (c, s, 0), Y (-s, c, 0), Z. Wherever the frame's origin is,
  // the box's minimum corner is the plate's corner at the absolute origin.
  const double origin[3] = {10, 20, 30}, x[3] = {c, s, 0}, y[3] = {-s, c, 0};
  const Exact e = ExactBox(plate, TempCsys(origin, x, y));
  EXPECT_NEAR(e.size[0], 2, 1e-6);
  EXPECT_NEAR(e.size[1], 100, 1e-6);
  EXPECT_NEAR(e.size[2], 300, 1e-6);
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(e.corner[k], 0, 1e-6) << "corner " << k;
  EXPECT_NEAR(e.dirs[0][0], c, 1e-12);
  EXPECT_NEAR(e.dirs[1][0], -s, 1e-12);
  EXPECT_NEAR(e.dirs[2][2], 1, 1e-12);

  // Along the absolute axes it is wider: 2c + 100s by 2s + 100c by 300, from x = -100s.
  const Exact absolute = ExactBox(plate, NULL_TAG);
  EXPECT_NEAR(absolute.size[0], 2 * c + 100 * s, 1e-6);
  EXPECT_NEAR(absolute.size[1], 2 * s + 100 * c, 1e-6);
  EXPECT_NEAR(absolute.size[2], 300, 1e-6);
  EXPECT_NEAR(absolute.corner[0], -100 * s, 1e-6);
}

TEST_F(Measure, WcsOnTheLargestFaceLongestEdgeMeasuresTheStock) {
  // The stock measurement's steps: the largest face's normal as X, its longest edge as Y,
  // the WCS moved there, the exact box along the WCS, then the WCS put back.
  const tag_t plate = TurnedPlate();
  tag_t largest = NULL_TAG;
  double largestArea = 0;
  for (tag_t face : FacesOf(plate)) {
    double box[6];
    int type = 0;
    UF_MODL_ask_face_data(face, &type, nullptr, nullptr, box, nullptr, nullptr, nullptr);
    const double area = std::hypot(box[3] - box[0], box[4] - box[1]) * (box[5] - box[2]);  // vertical faces
    if (area > largestArea) largestArea = area, largest = face;
  }
  ASSERT_NE(largest, NULL_TAG);
  int type = 0;
  double point[3], normal[3];
  ASSERT_EQ(UF_MODL_ask_face_data(largest, &type, point, normal, nullptr, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(type, UF_MODL_PLANAR_FACE);
  EXPECT_NEAR(std::abs(normal[0]), c, 1e-12) << "the 100 x 300 face faces along the turned X";
  uf_list_p_t edges = nullptr;
  ASSERT_EQ(UF_MODL_ask_face_edges(largest, &edges), 0);
  double longest = 0, p1[3], p2[3], y[3];
  for (uf_list_p_t e = edges; e; e = e->next) {
    int n = 0;
    UF_MODL_ask_edge_verts(e->eid, p1, p2, &n);
    const double length = std::hypot(p1[0] - p2[0], p1[1] - p2[1], p1[2] - p2[2]);
    if (length > longest) longest = length, y[0] = p1[0] - p2[0], y[1] = p1[1] - p2[1], y[2] = p1[2] - p2[2];
  }
  UF_MODL_delete_list(&edges);
  EXPECT_NEAR(longest, 300, 1e-9);

  tag_t wcs = NULL_TAG, matrix = NULL_TAG;
  double before[3];
  ASSERT_EQ(UF_CSYS_ask_wcs(&wcs), 0);
  ASSERT_EQ(UF_CSYS_ask_csys_info(wcs, &matrix, before), 0);
  tag_t saved = NULL_TAG;
  ASSERT_EQ(UF_CSYS_create_temp_csys(before, matrix, &saved), 0);
  ASSERT_EQ(UF_CSYS_set_wcs(TempCsys(p1, normal, y)), 0);
  const auto sizes = Sorted(ExactBox(plate, NULL_TAG).size);
  EXPECT_NEAR(sizes[0], 2, 1e-6);
  EXPECT_NEAR(sizes[1], 100, 1e-6);
  EXPECT_NEAR(sizes[2], 300, 1e-6);

  ASSERT_EQ(UF_CSYS_set_wcs(saved), 0);
  const auto back = ExactBox(plate, NULL_TAG);
  EXPECT_NEAR(back.size[0], 2 * c + 100 * s, 1e-6) << "the absolute WCS is back";
}

TEST_F(Measure, MinimumDistanceGivesPlateAndWallThickness) {
  // The two big faces of a 2 mm plate are 2 apart; a face is 0 from itself.
  const tag_t plate = AddBox(*part, 0, 0, 0, 2, 100, 300).GetTag();
  std::vector<tag_t> big;
  for (tag_t face : FacesOf(plate)) {
    double normal[3];
    int type = 0;
    UF_MODL_ask_face_data(face, &type, nullptr, normal, nullptr, nullptr, nullptr, nullptr);
    if (std::abs(normal[0]) > 0.5) big.push_back(face);
  }
  ASSERT_EQ(big.size(), 2u);
  EXPECT_NEAR(Distance(big[0], big[1]), 2, 1e-9);
  EXPECT_NEAR(Distance(big[0], big[0]), 0, 1e-9);

  // A pipe OD 48, wall 3.5: its inner and outer cylinders are 3.5 apart.
  const tag_t pipe = AddPipe(*part, 48, 3.5, 600).GetTag();
  std::vector<tag_t> cylinders;
  for (tag_t face : FacesOf(pipe)) {
    int type = 0;
    UF_MODL_ask_face_type(face, &type);
    if (type == UF_MODL_CYLINDRICAL_FACE) cylinders.push_back(face);
  }
  ASSERT_EQ(cylinders.size(), 2u);
  EXPECT_NEAR(Distance(cylinders[0], cylinders[1]), 3.5, 1e-6);

  // Bodies: a cube 10 along X from the plate's far side (x = 2) leaves a gap of 8;
  // a cube inside the plate's volume is at 0 from it.
  const tag_t cube = AddBox(*part, 10, 0, 0, 5, 5, 5).GetTag();
  EXPECT_NEAR(Distance(plate, cube), 8, 1e-9);
  EXPECT_NEAR(Distance(pipe, plate), 0, 1e-9) << "the pipe runs through the plate";
}

TEST_F(Measure, BadArgumentsFailAndNameTheCause) {
  const tag_t plate = AddBox(*part, 0, 0, 0, 2, 100, 300).GetTag();
  Exact e{};
  EXPECT_EQ(UF_MODL_ask_bounding_box_exact(plate, plate, e.corner, e.dirs, e.size), 1002) << "not a csys";
  EXPECT_EQ(UF_MODL_ask_bounding_box_exact(plate, NULL_TAG, nullptr, e.dirs, e.size), 1003);
  double d = 0, p1[3], p2[3];
  EXPECT_EQ(UF_MODL_ask_minimum_dist(plate, 999999, 0, nullptr, 0, nullptr, &d, p1, p2), 1001);
  char message[133];
  UF_get_fail_message(1001, message);
  EXPECT_NE(std::string(message).find("999999"), std::string::npos) << message;
}
