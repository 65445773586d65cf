// Measuring bodies through the host and its solid modeller.
#include "attributes/measurement.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <parasolid_kernel.h>
#include <uf.h>
#include <uf_csys.h>
#include <uf_curve.h>
#include <uf_modl.h>
#include <uf_mtx.h>
#include <uf_obj.h>
#include <uf_ps.h>
#include <uf_ui.h>
#include <uf_vec.h>

#include "host/message.h"
#include "host/uf_session.h"

namespace kzt {

namespace {

// The accuracies the two evaluations accept at least; a lower request is raised.
constexpr double kVolumeAccuracyFloor = 0.99;
constexpr double kAreaAccuracyFloor = 0.9;

// The modeller works in metres and kilograms.
constexpr double kCubicMetresToMm3 = 1e9;
constexpr double kSquareMetresToMm2 = 1e6;
constexpr double kKilogramsToGrams = 1000;

// Mass, centre of gravity and moments of inertia, as the add-on has always asked.
PK_TOPOL_eval_mass_props_o_t MassOptions() {
  PK_TOPOL_eval_mass_props_o_t options{};
  options.o_t_version = 2;
  options.mass = PK_mass_mass_c;
  options.c_of_g = PK_mass_c_of_g_yes_c;
  options.inertia = PK_mass_m_of_i_yes_c;
  return options;
}

bool EvalMass(tag_t topology, double accuracy, double& amount, double& mass) {
  PK_ENTITY_t ps = PK_ENTITY_null;
  if (topology == NULL_TAG || UF_PS_ask_ps_tag_of_object(topology, &ps) != 0 || ps == PK_ENTITY_null) return false;
  const PK_TOPOL_eval_mass_props_o_t options = MassOptions();
  double amounts[1] = {0}, masses[1] = {0}, cog[3] = {0, 0, 0}, inertia[9] = {0}, periphery[1] = {0};
  const PK_TOPOL_t topols[1] = {ps};
  if (PK_TOPOL_eval_mass_props(1, topols, accuracy, &options, amounts, masses, cog, inertia, periphery) !=
      PK_ERROR_no_errors)
    return false;
  amount = amounts[0];
  mass = masses[0];
  return true;
}

int CountOf(tag_t body, bool faces, int& count) {
  count = 0;
  PK_ENTITY_t ps = PK_ENTITY_null;
  if (body == NULL_TAG || UF_PS_ask_ps_tag_of_object(body, &ps) != 0 || ps == PK_ENTITY_null) return 1;
  PK_TOPOL_t* items = nullptr;
  if (faces) PK_BODY_ask_faces(ps, &count, &items);
  else PK_BODY_ask_edges(ps, &count, &items);
  if (items) PK_MEMORY_free(items);
  return count == 0 ? 1 : count;
}

std::vector<tag_t> ListItems(uf_list_p_t list) {
  std::vector<tag_t> items;
  int count = 0;
  UF_MODL_ask_list_count(list, &count);
  for (int i = 0; i < count; ++i) {
    tag_t item = NULL_TAG;
    UF_MODL_ask_list_item(list, i, &item);
    items.push_back(item);
  }
  return items;
}

struct FaceData {
  int type = 0;
  double point[3] = {0, 0, 0};
  double dir[3] = {0, 0, 0};
  double box[6] = {0, 0, 0, 0, 0, 0};  // absolute, min corner then max corner
};

// The host's face boxes are tight to within its tolerances; a box gap is trusted as a
// lower bound only this far beyond the distance it is compared with.
constexpr double kBoxSlack = 1e-3;  // mm

FaceData AskFace(tag_t face) {
  FaceData data;
  double radius = 0, radData = 0;
  int normDir = 0;
  UF_MODL_ask_face_data(face, &data.type, data.point, data.dir, data.box, &radius, &radData, &normDir);
  return data;
}

// No two points of the faces are nearer than their boxes are: a lower bound of their distance.
double BoxGap(const FaceData& a, const FaceData& b) {
  double sum = 0;
  for (int i = 0; i < 3; ++i) {
    const double gap = std::max({0.0, b.box[i] - a.box[i + 3], a.box[i] - b.box[i + 3]});
    sum += gap * gap;
  }
  return std::sqrt(sum);
}

// Parallel either way: the directions agree component by component in millionths.
bool SameDirection(const double a[3], const double b[3]) {
  for (int i = 0; i < 3; ++i)
    if (std::abs(static_cast<long long>(a[i] * 1e6)) != std::abs(static_cast<long long>(b[i] * 1e6))) return false;
  return true;
}

// Some Y direction perpendicular to X: the absolute axis least aligned with it.
void AnyPerpendicular(const double x[3], double y[3]) {
  const double ax = std::abs(x[0]), ay = std::abs(x[1]), az = std::abs(x[2]);
  const double axis[3] = {ax <= ay && ax <= az ? 1.0 : 0.0, ay < ax && ay <= az ? 1.0 : 0.0,
                          az < ax && az < ay ? 1.0 : 0.0};
  double dot = 0;
  UF_VEC3_dot(axis, x, &dot);
  double len = 0;
  UF_VEC3_mag(x, &len);
  const double k = len > 0 ? dot / (len * len) : 0;
  for (int i = 0; i < 3; ++i) y[i] = axis[i] - k * x[i];
}

// The faces meeting `face` along one of its edges, `face` itself among them.
std::vector<tag_t> FacesAlongEdges(tag_t face) {
  std::vector<tag_t> touching;
  uf_list_p_t edges = nullptr;
  if (UF_MODL_ask_face_edges(face, &edges) != 0 || !edges) return touching;
  for (tag_t edge : ListItems(edges)) {
    uf_list_p_t faces = nullptr;
    if (UF_MODL_ask_edge_faces(edge, &faces) != 0 || !faces) continue;
    for (tag_t other : ListItems(faces))
      if (std::find(touching.begin(), touching.end(), other) == touching.end()) touching.push_back(other);
    UF_MODL_delete_list(&faces);
  }
  UF_MODL_delete_list(&edges);
  return touching;
}

}  // namespace

tag_t copy_of_work_csys() {
  tag_t wcs = NULL_TAG, matrix = NULL_TAG, copy = NULL_TAG, copyMatrix = NULL_TAG;
  double origin[3] = {0, 0, 0}, values[9];
  UF_CSYS_ask_wcs(&wcs);
  UF_CSYS_ask_csys_info(wcs, &matrix, origin);
  UF_CSYS_ask_matrix_values(matrix, values);
  UF_CSYS_create_matrix(values, &copyMatrix);
  UF_CSYS_create_temp_csys(origin, copyMatrix, &copy);
  return copy;
}

void extents_along_work_csys(tag_t body, double& d0, double& d1, double& d2) {
  double minCorner[3], directions[3][3], distances[3] = {0, 0, 0};
  UF_MODL_ask_bounding_box_exact(body, NULL_TAG, minCorner, directions, distances);
  std::sort(distances, distances + 3);
  d0 = distances[0];
  d1 = distances[1];
  d2 = distances[2];
}

void 得到体积(tag_t body, double accuracy, double& volume, double& mass) {
  volume = 0;
  accuracy = std::clamp(accuracy, kVolumeAccuracyFloor, 1.0);
  double amount = 0, kilograms = 0;
  if (!EvalMass(body, accuracy, amount, kilograms)) return;
  volume = amount * kCubicMetresToMm3;
  mass = kilograms * kKilogramsToGrams;
}

std::string no_volume_refusal(tag_t body) {
  double amount = 0, kilograms = 0;
  if (!EvalMass(body, kVolumeAccuracyFloor, amount, kilograms)) return std::string();
  const double volume = amount * kCubicMetresToMm3;
  if (std::abs(volume) >= kNoVolume) return std::string();
  char name[UF_OBJ_NAME_BUFSIZE] = "";
  UF_OBJ_ask_name(body, name);
  char text[400];
  std::snprintf(text, sizeof text,
                "实体 %u %s 没有体积 (%.3g mm3),不能指定材料规格:\n请在模型中修复或删除该实体", body, name, volume);
  return text;
}

void 得到面积(tag_t face, double accuracy, double& area) {
  area = 0;
  accuracy = std::clamp(accuracy, kAreaAccuracyFloor, 1.0);
  double amount = 0, mass = 0;
  if (EvalMass(face, accuracy, amount, mass)) area = amount * kSquareMetresToMm2;
}

tag_t 求体的最大面积(tag_t body) {
  uf_list_p_t faces = nullptr;
  if (UF_MODL_ask_body_faces(body, &faces) != 0 || !faces) return NULL_TAG;
  tag_t largest = NULL_TAG;
  double largestArea = -1;
  for (tag_t face : ListItems(faces)) {
    double area = 0;
    得到面积(face, kMeasureAccuracy, area);
    if (area > largestArea) {  // on equal areas the earlier face stays
      largestArea = area;
      largest = face;
    }
  }
  UF_MODL_delete_list(&faces);
  return largest;
}

int 得到体的面数量(tag_t body, int& count) { return CountOf(body, true, count); }
int 获得体所有边(tag_t body, int& count) { return CountOf(body, false, count); }

void 设置坐标到最大面最长边(tag_t face) {
  const FaceData data = AskFace(face);
  uf_list_p_t edgeList = nullptr;
  UF_MODL_ask_face_edges(face, &edgeList);
  const std::vector<tag_t> edges = edgeList ? ListItems(edgeList) : std::vector<tag_t>();
  double origin[3] = {0, 0, 0}, x[3] = {1, 0, 0}, y[3] = {0, 1, 0};

  auto edgeType = [](tag_t edge) {
    int type = 0;
    UF_MODL_ask_edge_type(edge, &type);
    return type;
  };
  if (data.type == UF_MODL_PLANAR_FACE) {
    struct Straight {
      tag_t edge;
      double length;
      double p1[3], p2[3];
    };
    std::vector<Straight> straights;
    for (tag_t edge : edges) {
      if (edgeType(edge) != UF_MODL_LINEAR_EDGE) continue;
      Straight s{edge, 0, {0, 0, 0}, {0, 0, 0}};
      int vertices = 0;
      UF_MODL_ask_edge_verts(edge, s.p1, s.p2, &vertices);
      UF_VEC3_distance(s.p1, s.p2, &s.length);
      straights.push_back(s);
    }
    for (int i = 0; i < 3; ++i) x[i] = data.dir[i];
    if (straights.size() < 2) {
      if (!edges.empty() && edgeType(edges.front()) == UF_MODL_CIRCULAR_EDGE)
        UF_CURVE_ask_centroid(edges.front(), origin);
      else
        AnyPerpendicular(x, y);  // no straight edge to follow: any in-plane direction
      if (!edges.empty() && edgeType(edges.front()) == UF_MODL_CIRCULAR_EDGE) y[0] = 0, y[1] = 1, y[2] = 0;
    } else {
      double longest = 0;
      for (const auto& s : straights) longest = std::max(longest, s.length);
      const long whole = static_cast<long>(longest);
      for (const auto& s : straights)
        if (static_cast<long>(s.length) == whole) {
          for (int i = 0; i < 3; ++i) {
            origin[i] = s.p1[i];
            y[i] = s.p1[i] - s.p2[i];
          }
          break;
        }
    }
  } else if (data.type == UF_MODL_CYLINDRICAL_FACE || data.type == UF_MODL_CONICAL_FACE) {
    for (auto it = edges.rbegin(); it != edges.rend(); ++it)
      if (edgeType(*it) == UF_MODL_CIRCULAR_EDGE) {
        UF_CURVE_ask_centroid(*it, origin);
        break;
      }
    for (int i = 0; i < 3; ++i) x[i] = data.dir[i];
    // An axis along Y leaves (0, 1, 0) no room: any perpendicular serves a round body.
    double cross[3];
    UF_VEC3_cross(x, y, cross);
    double len = 0;
    UF_VEC3_mag(cross, &len);
    if (len < 1e-9) AnyPerpendicular(x, y);
  } else {
    show_message("最大面非平面,非圆柱面,需要核实尺寸");
  }
  if (edgeList) UF_MODL_delete_list(&edgeList);

  double matrix[9];
  if (UF_MTX3_initialize(x, y, matrix) != 0) return;
  tag_t matrixId = NULL_TAG;
  if (UF_CSYS_create_matrix(matrix, &matrixId) != 0 || matrixId == NULL_TAG) return;
  tag_t csys = NULL_TAG;
  UF_CSYS_create_temp_csys(origin, matrixId, &csys);
  UF_CSYS_set_wcs(csys);
}

BodyExtents measure_extents(tag_t body) {
  UfSession uf;
  BodyExtents result;
  const tag_t saved = copy_of_work_csys();
  const tag_t largest = 求体的最大面积(body);
  设置坐标到最大面最长边(largest);
  const FaceData reference = AskFace(largest);

  extents_along_work_csys(body, result.d0, result.d1, result.d2);

  uf_list_p_t faces = nullptr;
  UF_MODL_ask_body_faces(body, &faces);
  // The parallel faces, nearest boxes first. A face whose box lies further from the
  // largest face's than the thinnest distance found cannot be nearer: it is not asked
  // (a distance costs a projection), and the smallest non-zero distance is the same.
  // The face type, asked first, spares the face data (a face's box is a search on a
  // curved face) of every face of another kind.
  std::vector<std::pair<double, tag_t>> parallel;
  int referenceKind = 0;
  const bool kindKnown = UF_MODL_ask_face_type(largest, &referenceKind) == 0;
  for (tag_t face : faces ? ListItems(faces) : std::vector<tag_t>()) {
    if (face == largest) continue;  // at distance 0 from itself
    int kind = 0;
    if (kindKnown && UF_MODL_ask_face_type(face, &kind) == 0 && kind != referenceKind) continue;
    const FaceData data = AskFace(face);
    if (data.type != reference.type || !SameDirection(data.dir, reference.dir)) continue;
    parallel.emplace_back(BoxGap(data, reference), face);
  }
  if (faces) UF_MODL_delete_list(&faces);
  std::stable_sort(parallel.begin(), parallel.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  // A face meeting the largest one along an edge is at distance 0 from it, which never
  // counts: it is not asked (between free-form faces that is a search of seconds).
  const std::vector<tag_t> touching = parallel.empty() ? std::vector<tag_t>() : FacesAlongEdges(largest);
  double thinnest = 0;
  bool found = false;
  for (const auto& [gap, face] : parallel) {
    if (found && gap > thinnest + kBoxSlack) break;
    if (std::find(touching.begin(), touching.end(), face) != touching.end()) continue;
    double distance = 0, onFirst[3], onSecond[3];
    UF_MODL_ask_minimum_dist(face, largest, 0, nullptr, 0, nullptr, &distance, onFirst, onSecond);
    if (distance == 0) continue;
    if (!found || distance < thinnest) thinnest = distance;
    found = true;
  }
  result.thickness = found ? thinnest : 0;
  UF_CSYS_set_wcs(saved);
  return result;
}

}  // namespace kzt
