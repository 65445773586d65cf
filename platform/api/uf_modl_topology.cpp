// uf_modl.h, faces and edges: face data and type, a face's edges, an edge's faces,
// end points and type. Geometry is reported where its body is (topology.h).
#include <uf_modl.h>

#include <memory>

#include <TopExp.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopTools_ListOfShape.hxx>

#include "platform/api/guard.h"
#include "platform/api/tag_list.h"
#include "platform/api/topology.h"
#include "platform/geometry/recent_measurements.h"
#include "platform/geometry/topology_geometry.h"

using namespace platform;
using namespace platform::api;

namespace {

TopoDS_Shape FaceShape(tag_t face) { return ReportedTopology(Live(face), kSolidFaceSubtype, "a face"); }
TopoDS_Shape EdgeShape(tag_t edge) { return ReportedTopology(Live(edge), kSolidEdgeSubtype, "an edge"); }

// The host's face type as UF_MODL_ask_face_type gives it.
int FaceTypeCode(SurfaceKind kind) {
  switch (kind) {
    case SurfaceKind::Plane: return UF_MODL_PLANAR_FACE;
    case SurfaceKind::Cylinder: return UF_MODL_CYLINDRICAL_FACE;
    case SurfaceKind::Cone: return UF_MODL_CONICAL_FACE;
    case SurfaceKind::Sphere: return UF_MODL_SPHERICAL_FACE;
    case SurfaceKind::Torus:
    case SurfaceKind::Revolution: return UF_MODL_TOROIDAL_FACE;
    case SurfaceKind::Extrusion: return UF_MODL_SWEPT_FACE;
    case SurfaceKind::Spline: return UF_MODL_PARAMETRIC_FACE;
    case SurfaceKind::Offset: return UF_MODL_OFFSET_FACE;
    case SurfaceKind::Other: break;
  }
  return UF_MODL_FOREIGN_FACE;
}

// UF_MODL_ask_face_data reports spline, offset and foreign surfaces with other codes.
int FaceDataCode(SurfaceKind kind) {
  switch (kind) {
    case SurfaceKind::Spline: return UF_MODL_BSURFACE_FACE_DATA;
    case SurfaceKind::Offset: return UF_MODL_OFFSET_FACE_DATA;
    case SurfaceKind::Other: return UF_MODL_FOREIGN_FACE_DATA;
    default: return FaceTypeCode(kind);
  }
}

int EdgeTypeCode(CurveKind kind) {
  switch (kind) {
    case CurveKind::Line: return UF_MODL_LINEAR_EDGE;
    case CurveKind::Circle: return UF_MODL_CIRCULAR_EDGE;
    case CurveKind::Ellipse: return UF_MODL_ELLIPTICAL_EDGE;
    case CurveKind::Spline: return UF_MODL_SPLINE_EDGE;
    case CurveKind::Other: break;
  }
  return UF_MODL_FOREIGN_EDGE;
}

// Every edge's faces, mapped once per body shape: the attribute writer asks the faces of
// each edge of a face in turn, and mapping the whole body for each is quadratic.
const TopTools_IndexedDataMapOfShapeListOfShape& FacesByEdge(const TopoDS_Shape& body) {
  using Map = TopTools_IndexedDataMapOfShapeListOfShape;
  static RecentMeasurements<ShapeKey, std::shared_ptr<const Map>, ShapeKeyHash> maps(64);
  return *maps.Get(ShapeKey(body), [&] {
    auto map = std::make_shared<Map>();
    TopExp::MapShapesAndAncestors(body, TopAbs_EDGE, TopAbs_FACE, *map);
    return std::shared_ptr<const Map>(map);
  });
}

void Put3(double* out, const Vec3& v) {
  if (out) std::copy(v.begin(), v.end(), out);
}

}  // namespace

extern "C" {

int UF_MODL_ask_face_data(tag_t face, int* type, double point[3], double dir[3], double box[6], double* radius,
                          double* rad_data, int* norm_dir) {
  return Guard("UF_MODL_ask_face_data", [&] {
    if (type) *type = 0;
    const FaceGeometry g = DescribeFace(FaceShape(face));
    if (type) *type = FaceDataCode(g.kind);
    Put3(point, g.point);
    Put3(dir, g.direction);
    if (box) {
      std::copy(g.box.min.begin(), g.box.min.end(), box);
      std::copy(g.box.max.begin(), g.box.max.end(), box + 3);
    }
    if (radius) *radius = g.radius;
    if (rad_data) *rad_data = g.radiusData;
    if (norm_dir) *norm_dir = g.reversed ? -1 : 1;
  });
}

int UF_MODL_ask_face_type(tag_t face_id, int* type) {
  return Guard("UF_MODL_ask_face_type", [&] {
    Need(type, "type");
    *type = 0;
    *type = FaceTypeCode(KindOfFace(FaceShape(face_id)));
  });
}

int UF_MODL_ask_face_edges(tag_t face, uf_list_p_t* edge_list) {
  return Guard("UF_MODL_ask_face_edges", [&] {
    Need(edge_list, "edge_list");
    *edge_list = nullptr;
    Object& f = Live(face);
    TopologyRef& ref = TopologyOf(f, kSolidFaceSubtype, "a face");
    // Edges are looked up in the prototype, where the body's tags belong.
    *edge_list = NewTagList(TopologyTags(f, EdgesOfFace(ref.body->SubShape(ref))));
  });
}

int UF_MODL_ask_edge_faces(tag_t edge, uf_list_p_t* face_list) {
  return Guard("UF_MODL_ask_edge_faces", [&] {
    Need(face_list, "face_list");
    *face_list = nullptr;
    Object& e = Live(edge);
    TopologyRef& ref = TopologyOf(e, kSolidEdgeSubtype, "an edge");
    std::vector<TopoDS_Shape> faces;
    if (const TopTools_ListOfShape* found = FacesByEdge(ref.body->Shape()).Seek(ref.body->SubShape(ref)))
      for (const TopoDS_Shape& f : *found) {
        bool seen = false;  // a seam edge lists its face twice
        for (const auto& g : faces) seen = seen || g.IsSame(f);
        if (!seen) faces.push_back(f);
      }
    *face_list = NewTagList(TopologyTags(e, faces));
  });
}

int UF_MODL_ask_edge_verts(tag_t edge, double point1[3], double point2[3], int* vertex_count) {
  return Guard("UF_MODL_ask_edge_verts", [&] {
    Need(vertex_count, "vertex_count");
    *vertex_count = 0;
    const EdgeEnds ends = EndsOfEdge(EdgeShape(edge));
    Put3(point1, ends.first);
    Put3(point2, ends.second);
    *vertex_count = ends.vertexCount;
  });
}

int UF_MODL_ask_edge_type(tag_t edge_id, int* edge_type) {
  return Guard("UF_MODL_ask_edge_type", [&] {
    Need(edge_type, "edge_type");
    *edge_type = 0;
    *edge_type = EdgeTypeCode(KindOfEdge(EdgeShape(edge_id)));
  });
}

}  // extern "C"
