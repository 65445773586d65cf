// Triangle meshes of the displayed part's bodies for the page's 3D view, made by the
// modeller's mesher on the server. One mesh per body shape, shared by every occurrence
// of it and kept until the body's shape changes.
#pragma once
#include <cstdint>
#include <map>
#include <vector>

#include <TopoDS_Shape.hxx>
#include <nlohmann/json.hpp>

#include "platform/objects/tag.h"

namespace fabdoc::app::serve {

struct TriangleMesh {
  std::vector<float> positions;        // x, y, z per vertex, mm, in the body's own coordinates
  std::vector<std::uint32_t> indices;  // three per triangle, counter-clockwise seen from outside
};

// Meshes `shape`: the linear deflection is a fraction of its size, so small and large
// bodies look alike.
TriangleMesh MeshShape(const TopoDS_Shape& shape);

class BodyMeshes {
public:
  // {"meshes": {ID: {"positions", "indices"}}, "bodies": [{"tag", "name", "mesh", "matrix"
  // (4x4 row by row), "color" (sRGB 0..1), "translucency", "blanked"}]} for `bodies`.
  // Meshes of shapes no longer among them are dropped.
  nlohmann::json Describe(const std::vector<platform::Tag>& bodies);
  size_t MeshesMade() const { return made_; }

private:
  void MeshNewShapes(const std::vector<platform::Tag>& bodies);

  struct Entry {
    TopoDS_Shape shape;  // holds the shape so that its address is never reused
    int id;
    TriangleMesh mesh;
  };
  std::map<const void*, Entry> cache_;
  int nextId_ = 1;
  size_t made_ = 0;
};

}  // namespace fabdoc::app::serve
