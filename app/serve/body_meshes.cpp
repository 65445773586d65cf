// Meshing bodies with BRepMesh and describing them with their display properties.
#include "app/serve/body_meshes.h"

#include <BRepBndLib.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <Poly_Triangulation.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <algorithm>
#include <atomic>
#include <thread>
#include <cmath>
#include <set>

#include "platform/assemblies/located_shape.h"
#include "platform/objects/color_table.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"

namespace fabdoc::app::serve {
namespace {

// Chord error as a share of the body's diagonal, and its floor in mm: fine enough that a
// 20 mm rod looks round beside a 2 m frame.
constexpr double kDeflectionShare = 0.002;
constexpr double kMinDeflectionMm = 0.05;
constexpr double kAngularDeflectionRad = 0.5;

}  // namespace

TriangleMesh MeshShape(const TopoDS_Shape& shape) {
  TriangleMesh mesh;
  Bnd_Box box;
  BRepBndLib::Add(shape, box);
  if (box.IsVoid()) return mesh;
  const double diagonal = std::sqrt(box.SquareExtent());
  BRepMesh_IncrementalMesh mesher(shape, std::max(kMinDeflectionMm, kDeflectionShare * diagonal), false,
                                  kAngularDeflectionRad, false);
  for (TopExp_Explorer faces(shape, TopAbs_FACE); faces.More(); faces.Next()) {
    const TopoDS_Face& face = TopoDS::Face(faces.Current());
    TopLoc_Location location;
    Handle(Poly_Triangulation) triangles = BRep_Tool::Triangulation(face, location);
    if (triangles.IsNull()) continue;
    const gp_Trsf place = location.Transformation();
    const auto first = static_cast<std::uint32_t>(mesh.positions.size() / 3);
    for (int i = 1; i <= triangles->NbNodes(); ++i) {
      const gp_Pnt p = triangles->Node(i).Transformed(place);
      mesh.positions.insert(mesh.positions.end(), {float(p.X()), float(p.Y()), float(p.Z())});
    }
    const bool reversed = face.Orientation() == TopAbs_REVERSED;
    for (int i = 1; i <= triangles->NbTriangles(); ++i) {
      int a, b, c;
      triangles->Triangle(i).Get(a, b, c);
      if (reversed) std::swap(b, c);
      mesh.indices.insert(mesh.indices.end(), {first + a - 1, first + b - 1, first + c - 1});
    }
  }
  return mesh;
}

void BodyMeshes::MeshNewShapes(const std::vector<platform::Tag>& bodies) {
  platform::Session& session = platform::Session::Get();
  std::vector<TopoDS_Shape> shapes;
  std::set<const void*> seen;
  for (platform::Tag tag : bodies) {
    const TopoDS_Shape& shape = platform::BodyOf(session.Require(tag)).Shape();
    const void* key = shape.TShape().get();
    if (!cache_.count(key) && seen.insert(key).second) shapes.push_back(shape);
  }
  // Distinct shapes are meshed side by side: the mesher writes only to the shape it meshes.
  std::vector<TriangleMesh> meshes(shapes.size());
  std::atomic<size_t> next{0};
  auto work = [&] {
    for (size_t i = next++; i < shapes.size(); i = next++) meshes[i] = MeshShape(shapes[i].Located(TopLoc_Location()));
  };
  std::vector<std::thread> workers;
  const size_t threads = std::min<size_t>(std::max(1u, std::thread::hardware_concurrency()), shapes.size());
  for (size_t t = 1; t < threads; ++t) workers.emplace_back(work);
  work();
  for (auto& worker : workers) worker.join();
  for (size_t i = 0; i < shapes.size(); ++i) {
    cache_.emplace(shapes[i].TShape().get(), Entry{shapes[i], nextId_++, std::move(meshes[i])});
    ++made_;
  }
}

nlohmann::json BodyMeshes::Describe(const std::vector<platform::Tag>& bodies) {
  platform::Session& session = platform::Session::Get();
  nlohmann::json meshes = nlohmann::json::object(), list = nlohmann::json::array();
  std::set<const void*> used;
  MeshNewShapes(bodies);
  for (platform::Tag tag : bodies) {
    platform::Object& object = session.Require(tag);
    const TopoDS_Shape& shape = platform::BodyOf(object).Shape();
    const void* key = shape.TShape().get();
    auto it = cache_.find(key);
    const std::string id = std::to_string(it->second.id);
    if (used.insert(key).second)
      meshes[id] = {{"positions", it->second.mesh.positions}, {"indices", it->second.mesh.indices}};
    // The mesh is in the shape's coordinates; the shape's own location comes first.
    const platform::Transform place =
        platform::FromTrsf(shape.Location().Transformation()).Then(platform::PlacementOf(object));
    const auto& r = place.rotation;
    const auto& t = place.translation;
    const platform::Display& display = session.DisplayOf(object);
    list.push_back({{"tag", tag},
                    {"name", platform::text::ToUtf8Lossy(session.NameOf(object))},
                    {"mesh", id},
                    {"matrix", {r[0], r[1], r[2], t[0], r[3], r[4], r[5], t[1], r[6], r[7], r[8], t[2], 0, 0, 0, 1}},
                    {"color", platform::ColorRgb(display.color)},
                    {"colorIndex", display.color},
                    {"colorName", platform::ColorName(display.color)},
                    {"translucency", display.translucency},
                    {"blanked", display.blanked}});
  }
  std::erase_if(cache_, [&](const auto& entry) { return !used.count(entry.first); });
  return {{"meshes", meshes}, {"bodies", list}};
}

}  // namespace fabdoc::app::serve
