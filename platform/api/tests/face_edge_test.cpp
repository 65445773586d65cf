// Faces and edges through the C interface: face types, outward normals, axes and
// radii, a face's edges and an edge's faces, end points, edge types and centroids, and
// face occurrences placed where their body occurrence is.
#include <uf.h>
#include <uf_assem.h>
#include <uf_curve.h>
#include <uf_modl.h>
#include <uf_obj.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "tests/support/api_fixture.h"

using namespace platform;
using namespace fabdoc_test;

namespace {

std::vector<tag_t> Items(uf_list_p_t list) {
  std::vector<tag_t> items;
  int count = 0;
  UF_MODL_ask_list_count(list, &count);
  for (int i = 0; i < count; ++i) {
    tag_t t = NULL_TAG;
    UF_MODL_ask_list_item(list, i, &t);
    items.push_back(t);
  }
  UF_MODL_delete_list(&list);
  return items;
}

std::vector<tag_t> FacesOf(tag_t body) {
  uf_list_p_t list = nullptr;
  EXPECT_EQ(UF_MODL_ask_body_faces(body, &list), 0);
  return Items(list);
}

std::vector<tag_t> EdgesOf(tag_t face) {
  uf_list_p_t list = nullptr;
  EXPECT_EQ(UF_MODL_ask_face_edges(face, &list), 0);
  return Items(list);
}

struct FaceData {
  int type = 0, normDir = 0;
  double point[3]{}, dir[3]{}, box[6]{}, radius = 0, radData = 0;
};

FaceData AskFace(tag_t face) {
  FaceData d;
  EXPECT_EQ(UF_MODL_ask_face_data(face, &d.type, d.point, d.dir, d.box, &d.radius, &d.radData, &d.normDir), 0);
  return d;
}

double Dot(const double a[3], const double b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

double Length(tag_t edge) {
  double p1[3], p2[3];
  int count = 0;
  EXPECT_EQ(UF_MODL_ask_edge_verts(edge, p1, p2, &count), 0);
  return std::hypot(p1[0] - p2[0], p1[1] - p2[1], p1[2] - p2[2]);
}

}  // namespace

class FacesAndEdges : public ApiPartTest {};

TEST_F(FacesAndEdges, BoxFacesArePlanarWithOutwardNormals) {
  // A 10 x 20 x 30 box from the origin: centre (5, 10, 15). Each face's point lies on
  // its plane, so (point - centre) . normal is the half extent along that normal.
  const tag_t box = AddBox(*part, 0, 0, 0, 10, 20, 30).GetTag();
  const double centre[3] = {5, 10, 15}, half[3] = {5, 10, 15};
  const auto faces = FacesOf(box);
  ASSERT_EQ(faces.size(), 6u);
  std::map<int, int> facesAlongAxis;  // axis -> faces seen
  for (tag_t face : faces) {
    const FaceData d = AskFace(face);
    EXPECT_EQ(d.type, UF_MODL_PLANAR_FACE);
    int type = 0;
    ASSERT_EQ(UF_MODL_ask_face_type(face, &type), 0);
    EXPECT_EQ(type, UF_MODL_PLANAR_FACE);
    int axis = -1;
    for (int k = 0; k < 3; ++k)
      if (std::abs(std::abs(d.dir[k]) - 1) < 1e-12) axis = k;
    ASSERT_GE(axis, 0) << "normal along an axis";
    ++facesAlongAxis[axis];
    const double offset[3] = {d.point[0] - centre[0], d.point[1] - centre[1], d.point[2] - centre[2]};
    EXPECT_NEAR(Dot(offset, d.dir), half[axis], 1e-9) << "the normal points out of the box";
    // The face's own box is flat along its normal and spans the box elsewhere.
    EXPECT_NEAR(d.box[3 + axis] - d.box[axis], 0, 1e-9);
    EXPECT_NEAR(d.box[3 + (axis + 1) % 3] - d.box[(axis + 1) % 3], 2 * half[(axis + 1) % 3], 1e-9);
  }
  EXPECT_EQ(facesAlongAxis, (std::map<int, int>{{0, 2}, {1, 2}, {2, 2}}));
}

TEST_F(FacesAndEdges, FaceEdgesBelongToTheFaceAndHaveTheBoxLengths) {
  const tag_t box = AddBox(*part, 0, 0, 0, 10, 20, 30).GetTag();
  // The face x = 10 is 20 x 30: edges of 20, 30, 20, 30 around it.
  tag_t right = NULL_TAG;
  for (tag_t face : FacesOf(box))
    if (AskFace(face).dir[0] > 0.5) right = face;
  ASSERT_NE(right, NULL_TAG);
  const auto edges = EdgesOf(right);
  ASSERT_EQ(edges.size(), 4u);
  std::multiset<long> lengths;
  for (tag_t edge : edges) {
    int type = 0;
    ASSERT_EQ(UF_MODL_ask_edge_type(edge, &type), 0);
    EXPECT_EQ(type, UF_MODL_LINEAR_EDGE);
    lengths.insert(std::lround(Length(edge)));
    uf_list_p_t facesOfEdge = nullptr;
    ASSERT_EQ(UF_MODL_ask_edge_faces(edge, &facesOfEdge), 0);
    const auto around = Items(facesOfEdge);
    EXPECT_EQ(around.size(), 2u) << "a box edge joins two faces";
    EXPECT_NE(std::find(around.begin(), around.end(), right), around.end());
    tag_t body = NULL_TAG;
    UF_MODL_ask_edge_body(edge, &body);
    EXPECT_EQ(body, box);
  }
  EXPECT_EQ(lengths, (std::multiset<long>{20, 20, 30, 30}));
  // Consecutive edges of the loop share an end point.
  for (size_t i = 0; i < edges.size(); ++i) {
    double a1[3], a2[3], b1[3], b2[3];
    int n = 0;
    UF_MODL_ask_edge_verts(edges[i], a1, a2, &n);
    EXPECT_EQ(n, 2);
    UF_MODL_ask_edge_verts(edges[(i + 1) % edges.size()], b1, b2, &n);
    auto same = [](const double* p, const double* q) { return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]) < 1e-9; };
    EXPECT_TRUE(same(a1, b1) || same(a1, b2) || same(a2, b1) || same(a2, b2)) << "edges " << i << " and " << i + 1;
  }
}

TEST_F(FacesAndEdges, CylinderFaceGivesItsAxisRadiusAndCircleCentres) {
  // Radius 10, height 50 along +Z from (1, 2, 3): axis through (1, 2), circles at z 3 and 53.
  const tag_t cylinder = AddCylinder(*part, 1, 2, 3, 10, 50).GetTag();
  tag_t side = NULL_TAG;
  int planar = 0;
  for (tag_t face : FacesOf(cylinder)) {
    const FaceData d = AskFace(face);
    if (d.type == UF_MODL_CYLINDRICAL_FACE) side = face;
    if (d.type == UF_MODL_PLANAR_FACE) {
      ++planar;
      // Bottom normal -Z at z = 3, top +Z at z = 53.
      EXPECT_NEAR(d.point[2], d.dir[2] < 0 ? 3 : 53, 1e-9);
      EXPECT_NEAR(std::abs(d.dir[2]), 1, 1e-12);
    }
  }
  EXPECT_EQ(planar, 2);
  ASSERT_NE(side, NULL_TAG);
  const FaceData d = AskFace(side);
  EXPECT_NEAR(std::abs(d.dir[2]), 1, 1e-12);
  EXPECT_NEAR(d.point[0], 1, 1e-9);
  EXPECT_NEAR(d.point[1], 2, 1e-9);
  EXPECT_NEAR(d.radius, 10, 1e-9);

  std::vector<double> circleHeights;
  int seams = 0;
  for (tag_t edge : EdgesOf(side)) {
    int type = 0;
    UF_MODL_ask_edge_type(edge, &type);
    double p1[3], p2[3], c[3];
    int vertices = 0;
    UF_MODL_ask_edge_verts(edge, p1, p2, &vertices);
    ASSERT_EQ(UF_CURVE_ask_centroid(edge, c), 0);
    if (type == UF_MODL_CIRCULAR_EDGE) {
      EXPECT_EQ(vertices, 1) << "a full circle is closed on one vertex";
      EXPECT_NEAR(c[0], 1, 1e-9);
      EXPECT_NEAR(c[1], 2, 1e-9);
      circleHeights.push_back(c[2]);
    } else if (type == UF_MODL_LINEAR_EDGE) {
      ++seams;
      EXPECT_EQ(vertices, 2);
      EXPECT_NEAR(Length(edge), 50, 1e-9);
      EXPECT_NEAR(c[2], 28, 1e-9) << "the middle of the seam, 3 + 50 / 2";
    }
  }
  std::sort(circleHeights.begin(), circleHeights.end());
  ASSERT_EQ(circleHeights.size(), 2u);
  EXPECT_NEAR(circleHeights[0], 3, 1e-9);
  EXPECT_NEAR(circleHeights[1], 53, 1e-9);
  EXPECT_EQ(seams, 1);
}

TEST_F(FacesAndEdges, WrongKindsAreRefusedNamingTheObject) {
  const tag_t box = AddBox(*part, 0, 0, 0, 1, 1, 1).GetTag();
  const tag_t face = FacesOf(box).front();
  const tag_t edge = EdgesOf(face).front();
  int type = 7;
  EXPECT_EQ(UF_MODL_ask_face_data(box, &type, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 1002);
  EXPECT_EQ(type, 0) << "outputs are cleared on failure";
  EXPECT_EQ(UF_MODL_ask_edge_type(face, &type), 1002);
  double c[3];
  EXPECT_EQ(UF_CURVE_ask_centroid(face, c), 1002);
  char message[133];
  UF_get_fail_message(1002, message);
  EXPECT_NE(std::string(message).find(std::to_string(face)), std::string::npos) << message;
  EXPECT_EQ(UF_MODL_ask_face_type(edge, &type), 1002);
  EXPECT_EQ(UF_MODL_ask_face_type(987654, &type), 1001);
}

TEST_F(FacesAndEdges, FacesOfAnOccurrenceArePlacedWhereTheOccurrenceIs) {
  auto t = MakeThreeLevels();
  // The plate's x = 10 face (normal +X) seen through SUB: SUB maps x' = -y + 100, y' = x,
  // so the normal becomes +Y and the face's centroid (10, 10, 15) -> (10, 20, 15) in SUB
  // -> (80, 10, 15) in the root.
  tag_t leaf = NULL_TAG;
  for (tag_t c = UF_OBJ_cycle_objs_in_part(t.root->GetTag(), UF_component_type, NULL_TAG); c != NULL_TAG;
       c = UF_OBJ_cycle_objs_in_part(t.root->GetTag(), UF_component_type, c)) {
    char name[UF_OBJ_NAME_BUFSIZE];
    if (UF_OBJ_ask_name(c, name) == 0 && std::string(name) == "LEAF") leaf = c;
  }
  const tag_t occurrence = UF_ASSEM_find_occurrence(leaf, t.plate->GetTag());
  ASSERT_NE(occurrence, NULL_TAG);
  tag_t placed = NULL_TAG, prototype = NULL_TAG;
  for (tag_t face : FacesOf(occurrence))
    if (AskFace(face).dir[1] > 0.5) placed = face;
  for (tag_t face : FacesOf(t.plate->GetTag()))
    if (AskFace(face).dir[0] > 0.5) prototype = face;
  ASSERT_NE(placed, NULL_TAG);
  ASSERT_NE(prototype, NULL_TAG);
  EXPECT_NE(placed, prototype);
  EXPECT_TRUE(UF_ASSEM_is_occurrence(placed));
  const FaceData d = AskFace(placed);
  EXPECT_NEAR(d.point[0], 80, 1e-9);
  EXPECT_NEAR(d.point[1], 10, 1e-9);
  EXPECT_NEAR(d.point[2], 15, 1e-9);
  tag_t body = NULL_TAG;
  ASSERT_EQ(UF_MODL_ask_face_body(placed, &body), 0);
  EXPECT_EQ(body, occurrence);
  // Its edges are edge occurrences, placed too: all at x' in 70..90 (the plate spans 0..20 in y).
  for (tag_t edge : EdgesOf(placed)) {
    double c[3];
    ASSERT_EQ(UF_CURVE_ask_centroid(edge, c), 0);
    EXPECT_NEAR(c[1], 10, 1e-9) << "on the placed face y' = 10";
    UF_MODL_ask_edge_body(edge, &body);
    EXPECT_EQ(body, occurrence);
  }
  EXPECT_EQ(FacesOf(occurrence), FacesOf(occurrence)) << "the same occurrences on every request";
}
