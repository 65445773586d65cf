#include "platform/geometry/min_distance_free_form.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include <BRepAdaptor_Surface.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_Copy.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRepTopAdaptor_FClass2d.hxx>
#include <BRep_Tool.hxx>
#include <BVH_PairDistance.hxx>
#include <BVH_PrimitiveSet3d.hxx>
#include <Bnd_Box.hxx>
#include <Extrema_GenLocateExtPS.hxx>
#include <Extrema_GenLocateExtSS.hxx>
#include <Poly_Triangulation.hxx>
#include <Precision.hxx>
#include <Standard_Failure.hxx>
#include <TopoDS.hxx>

#include "platform/geometry/recent_measurements.h"

namespace platform {

namespace {

using Vec = BVH_Vec3d;

// Of each face's box diagonal: the mesh lies within this of the surface, which bounds
// what the answer can be off where the local search does not converge inside the faces.
constexpr double kRelativeDeflection = 1e-3;
constexpr double kAngularDeflection = 0.5;
constexpr int kProjectionRounds = 16;

Vec ToVec(const gp_Pnt& p) { return Vec(p.X(), p.Y(), p.Z()); }
double Dot(const Vec& a, const Vec& b) { return a.Dot(b); }

// A face's triangles with the surface parameters of their corners.
struct Mesh {
  std::vector<Vec> nodes;
  std::vector<gp_Pnt2d> uv;
  std::vector<std::array<int, 3>> triangles;
};

double Diagonal(const TopoDS_Face& face) {
  Bnd_Box box;
  BRepBndLib::Add(face, box, false);
  return box.IsVoid() ? 0 : std::sqrt(box.SquareExtent());
}

// Meshes a copy sharing the geometry, so the face keeps whatever mesh it has for display.
std::optional<Mesh> MeshOf(const TopoDS_Face& face) {
  const double deflection = kRelativeDeflection * Diagonal(face);
  if (!(deflection > 0)) return std::nullopt;
  const TopoDS_Face copy = TopoDS::Face(BRepBuilderAPI_Copy(face, false, false).Shape());
  BRepMesh_IncrementalMesh(copy, deflection, false, kAngularDeflection, false);
  TopLoc_Location location;
  const Handle(Poly_Triangulation) triangulation = BRep_Tool::Triangulation(copy, location);
  if (triangulation.IsNull() || triangulation->NbTriangles() == 0 || !triangulation->HasUVNodes()) return std::nullopt;
  Mesh mesh;
  const gp_Trsf& placement = location.Transformation();
  for (int i = 1; i <= triangulation->NbNodes(); ++i) {
    mesh.nodes.push_back(ToVec(triangulation->Node(i).Transformed(placement)));
    mesh.uv.push_back(triangulation->UVNode(i));
  }
  for (int i = 1; i <= triangulation->NbTriangles(); ++i) {
    int n1, n2, n3;
    triangulation->Triangle(i).Get(n1, n2, n3);
    mesh.triangles.push_back({n1 - 1, n2 - 1, n3 - 1});
  }
  return mesh;
}

// A body's largest face is compared with several others, and meshing it is most of the cost.
std::shared_ptr<const Mesh> KeptMeshOf(const TopoDS_Face& face) {
  static RecentMeasurements<ShapeKey, std::shared_ptr<const Mesh>, ShapeKeyHash> meshes(256);
  return meshes.Get(ShapeKey(face), [&]() -> std::shared_ptr<const Mesh> {
    auto mesh = MeshOf(face);
    return mesh ? std::make_shared<const Mesh>(std::move(*mesh)) : nullptr;
  });
}

// The triangles of a mesh as the box tree sees them.
class TriangleSet : public BVH_PrimitiveSet3d {
public:
  explicit TriangleSet(const Mesh& mesh) : mesh_(mesh), order_(mesh.triangles.size()) {
    for (size_t i = 0; i < order_.size(); ++i) order_[i] = static_cast<int>(i);
    MarkDirty();
  }
  Standard_Integer Size() const override { return static_cast<Standard_Integer>(order_.size()); }
  BVH_Box<double, 3> Box(const Standard_Integer index) const override {
    BVH_Box<double, 3> box;
    for (int node : Corners(index)) box.Add(mesh_.nodes[node]);
    return box;
  }
  using BVH_PrimitiveSet3d::Box;
  Standard_Real Center(const Standard_Integer index, const Standard_Integer axis) const override {
    double sum = 0;
    for (int node : Corners(index)) sum += mesh_.nodes[node][axis];
    return sum / 3;
  }
  void Swap(const Standard_Integer a, const Standard_Integer b) override { std::swap(order_[a], order_[b]); }
  const std::array<int, 3>& Corners(int index) const { return mesh_.triangles[order_[index]]; }

private:
  const Mesh& mesh_;
  std::vector<int> order_;
};

// Closest points of two segments (after Ericson, Real-Time Collision Detection 5.1.9).
std::pair<Vec, Vec> ClosestOnSegments(const Vec& p1, const Vec& q1, const Vec& p2, const Vec& q2) {
  const Vec d1 = q1 - p1, d2 = q2 - p2, r = p1 - p2;
  const double a = Dot(d1, d1), e = Dot(d2, d2), f = Dot(d2, r);
  double s = 0, t = 0;
  if (a <= 0 && e <= 0) return {p1, p2};
  if (a <= 0) {
    t = std::clamp(f / e, 0.0, 1.0);
  } else {
    const double c = Dot(d1, r);
    if (e <= 0) {
      s = std::clamp(-c / a, 0.0, 1.0);
    } else {
      const double b = Dot(d1, d2), denominator = a * e - b * b;
      s = denominator > 0 ? std::clamp((b * f - c * e) / denominator, 0.0, 1.0) : 0.0;
      t = (b * s + f) / e;
      if (t < 0) {
        t = 0;
        s = std::clamp(-c / a, 0.0, 1.0);
      } else if (t > 1) {
        t = 1;
        s = std::clamp((b - c) / a, 0.0, 1.0);
      }
    }
  }
  return {p1 + d1 * s, p2 + d2 * t};
}

// Barycentric weights of a point of the triangle's plane.
std::array<double, 3> Weights(const Vec& p, const Vec& a, const Vec& b, const Vec& c) {
  const Vec v0 = b - a, v1 = c - a, v2 = p - a;
  const double d00 = Dot(v0, v0), d01 = Dot(v0, v1), d11 = Dot(v1, v1), d20 = Dot(v2, v0), d21 = Dot(v2, v1);
  const double denominator = d00 * d11 - d01 * d01;
  if (!(denominator > 0)) return {1, 0, 0};
  const double v = (d11 * d20 - d01 * d21) / denominator, w = (d00 * d21 - d01 * d20) / denominator;
  return {1 - v - w, v, w};
}

// The point of the triangle nearest p: p projected into its plane when that falls inside,
// otherwise the nearest point of its edges.
Vec ClosestOnTriangle(const Vec& p, const Vec& a, const Vec& b, const Vec& c) {
  const Vec normal = Vec::Cross(b - a, c - a);
  const double area2 = Dot(normal, normal);
  if (area2 > 0) {
    const Vec inPlane = p - normal * (Dot(p - a, normal) / area2);
    const auto w = Weights(inPlane, a, b, c);
    if (w[0] >= 0 && w[1] >= 0 && w[2] >= 0) return inPlane;
  }
  Vec best = a;
  double bestSquare = std::numeric_limits<double>::max();
  for (const auto& [from, to] : {std::pair{a, b}, std::pair{b, c}, std::pair{c, a}}) {
    const Vec q = ClosestOnSegments(p, p, from, to).second;
    if (const double square = (q - p).SquareModulus(); square < bestSquare) {
      bestSquare = square;
      best = q;
    }
  }
  return best;
}

// The nearest pair of triangles of two meshes and their nearest points. Triangles that
// cross give a positive distance here, which the local search then brings down.
class NearestTriangles : public BVH_PairDistance<double, 3, TriangleSet> {
public:
  NearestTriangles(const Mesh& a, const Mesh& b) : a_(a), b_(b) {}

  Standard_Boolean Accept(const Standard_Integer i, const Standard_Integer j) override {
    const auto& ta = myBVHSet1->Corners(i);
    const auto& tb = myBVHSet2->Corners(j);
    const std::array<Vec, 3> pa{a_.nodes[ta[0]], a_.nodes[ta[1]], a_.nodes[ta[2]]};
    const std::array<Vec, 3> pb{b_.nodes[tb[0]], b_.nodes[tb[1]], b_.nodes[tb[2]]};
    bool better = false;
    auto consider = [&](const Vec& onA, const Vec& onB) {
      if (const double square = (onA - onB).SquareModulus(); square < myDistance) {
        myDistance = square;
        onA_ = onA;
        onB_ = onB;
        triangleA_ = ta;
        triangleB_ = tb;
        better = true;
      }
    };
    for (int k = 0; k < 3; ++k) {
      for (int l = 0; l < 3; ++l) {
        const auto [onA, onB] = ClosestOnSegments(pa[k], pa[(k + 1) % 3], pb[l], pb[(l + 1) % 3]);
        consider(onA, onB);
      }
      consider(pa[k], ClosestOnTriangle(pa[k], pb[0], pb[1], pb[2]));
      consider(ClosestOnTriangle(pb[k], pa[0], pa[1], pa[2]), pb[k]);
    }
    return better;
  }

  // The surface parameters of the nearest points, from their triangles' corners.
  gp_Pnt2d ParametersOnA() const { return Interpolate(a_, triangleA_, onA_); }
  gp_Pnt2d ParametersOnB() const { return Interpolate(b_, triangleB_, onB_); }

private:
  static gp_Pnt2d Interpolate(const Mesh& mesh, const std::array<int, 3>& corners, const Vec& p) {
    const auto w = Weights(p, mesh.nodes[corners[0]], mesh.nodes[corners[1]], mesh.nodes[corners[2]]);
    gp_XY uv(0, 0);
    for (int k = 0; k < 3; ++k) uv += mesh.uv[corners[k]].XY() * w[k];
    return gp_Pnt2d(uv);
  }

  const Mesh& a_;
  const Mesh& b_;
  Vec onA_, onB_;
  std::array<int, 3> triangleA_{}, triangleB_{};
};

// A face's surface, its boundary, and the best point found on it so far.
struct Side {
  Side(const TopoDS_Face& face, const gp_Pnt2d& start)
      : surface(face), boundary(face, BRep_Tool::Tolerance(face)), uv(start), point(surface.Value(uv.X(), uv.Y())) {}
  bool Inside(const gp_Pnt2d& p) const {
    const TopAbs_State state = boundary.Perform(p);
    return state == TopAbs_IN || state == TopAbs_ON;
  }
  void MoveTo(const Extrema_POnSurf& found) {
    double u, v;
    found.Parameter(u, v);
    uv = gp_Pnt2d(u, v);
    point = found.Value();
  }

  BRepAdaptor_Surface surface;
  BRepTopAdaptor_FClass2d boundary;
  gp_Pnt2d uv;
  gp_Pnt point;
};

bool InsideAt(const Side& side, const Extrema_POnSurf& found) {
  double u, v;
  found.Parameter(u, v);
  return side.Inside(gp_Pnt2d(u, v));
}

// Moves `moved` to the point of its surface nearest `fixed`'s point, when that is nearer
// and inside its face.
bool ProjectOnto(Side& moved, const Side& fixed) {
  Extrema_GenLocateExtPS projection(moved.surface);
  projection.Perform(fixed.point, moved.uv.X(), moved.uv.Y(), true);
  if (!projection.IsDone() || !InsideAt(moved, projection.Point())) return false;
  const double before = moved.point.SquareDistance(fixed.point);
  if (!(projection.SquareDistance() < before * (1 - 1e-12))) return false;
  moved.MoveTo(projection.Point());
  return true;
}

// From the mesh's nearest points: the modeller's local search between the two surfaces,
// then, where that fails or leaves a face (a nearest point on an edge), alternate
// projections, each kept only when it is nearer and inside its face.
void Refine(Side& a, Side& b) {
  try {
    const Extrema_GenLocateExtSS local(a.surface, b.surface, a.uv.X(), a.uv.Y(), b.uv.X(), b.uv.Y(),
                                       Precision::PConfusion(), Precision::PConfusion());
    if (local.IsDone() && local.SquareDistance() < a.point.SquareDistance(b.point) &&
        InsideAt(a, local.PointOnS1()) && InsideAt(b, local.PointOnS2())) {
      a.MoveTo(local.PointOnS1());
      b.MoveTo(local.PointOnS2());
    }
  } catch (const Standard_Failure&) {
    // The mesh's points stand.
  }
  for (int round = 0; round < kProjectionRounds; ++round) {
    bool moved = false;
    try {
      moved = ProjectOnto(a, b);
      moved = ProjectOnto(b, a) || moved;
    } catch (const Standard_Failure&) {
    }
    if (!moved) break;
  }
}

}  // namespace

bool IsFreeForm(const TopoDS_Face& face) {
  switch (BRepAdaptor_Surface(face, false).GetType()) {
    case GeomAbs_Plane:
    case GeomAbs_Cylinder:
    case GeomAbs_Cone:
    case GeomAbs_Sphere:
    case GeomAbs_Torus:
      return false;
    default:
      return true;
  }
}

std::optional<FaceDistance> FreeFormFaceDistance(const TopoDS_Face& a, const TopoDS_Face& b) {
  const std::shared_ptr<const Mesh> meshA = KeptMeshOf(a), meshB = KeptMeshOf(b);
  if (!meshA || !meshB) return std::nullopt;
  TriangleSet setA(*meshA), setB(*meshB);
  NearestTriangles nearest(*meshA, *meshB);
  nearest.SetBVHSets(&setA, &setB);
  nearest.ComputeDistance();
  if (!nearest.IsDone()) return std::nullopt;
  Side sideA(a, nearest.ParametersOnA()), sideB(b, nearest.ParametersOnB());
  Refine(sideA, sideB);
  const double distance = sideA.point.Distance(sideB.point);
  // Faces that come within their tolerances of each other touch, as the exact search has it.
  const double touching = std::max(Precision::Confusion(), BRep_Tool::Tolerance(a) + BRep_Tool::Tolerance(b));
  return FaceDistance{distance <= touching ? 0 : distance, Coordinates(sideA.point), Coordinates(sideB.point)};
}

}  // namespace platform
