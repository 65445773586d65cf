// A body: a B-rep shape of the modeller with a density, its measurements cached
// until the shape changes, and tags for its faces and edges handed out on demand.
#pragma once
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include <TopoDS_Shape.hxx>

#include "platform/objects/host_types.h"
#include "platform/objects/object.h"

namespace platform {

// 7.8 g/cm^3 in g/mm^3: the steel density the host assigns to new bodies.
constexpr double kSteelDensity = 7.8e-3;

struct MassProperties {
  double volume = 0;                    // mm^3
  double area = 0;                      // mm^2
  double mass = 0;                      // g
  std::array<double, 3> centroid{};     // mm
};

// What one volume integration of the modeller yields, at unit density.
struct VolumeFigures {
  double volume = 0;                    // mm^3
  std::array<double, 3> centroid{};     // mm
  std::array<double, 9> inertia{};      // mm^5 about the centroid, row by row
};

struct Box {
  std::array<double, 3> min{};
  std::array<double, 3> max{};
  std::array<double, 3> Size() const {
    return {max[0] - min[0], max[1] - min[1], max[2] - min[2]};
  }
};

class Body;

// A face or edge of a body, by its index in the body's topology map.
class TopologyRef : public Object {
public:
  TopologyRef(int subtype, Body& body, int index)
      : Object(kSolidType, subtype), body(&body), index(index) {}
  Body* body;
  int index;  // 1-based, as in the modeller's indexed maps
};

class Body : public Object {
public:
  Body() : Object(kSolidType, kSolidBodySubtype) {}
  explicit Body(TopoDS_Shape shape);
  ~Body() override;

  const TopoDS_Shape& Shape() const { return shape_; }
  void SetShape(TopoDS_Shape shape);  // drops measurements and face/edge tags
  int Revision() const { return revision_; }

  // kSolidBodyType when the shape holds at least one solid, else kSheetBodyType.
  int BodyType() const;
  // Measurements are cached until SetShape; the mass follows `density` as it is now.
  MassProperties Mass() const;
  const VolumeFigures& Volume() const;
  double SurfaceArea() const;
  Box AxisBox() const;

  std::vector<Tag> FaceTags();
  std::vector<Tag> EdgeTags();
  int FaceCount() const;
  int EdgeCount() const;
  // The sub-shape behind a face or edge tag of this body (null shape if stale).
  TopoDS_Shape SubShape(const TopologyRef& ref) const;
  // The face or edge tag of one of this body's faces or edges; kNullTag if it is not one.
  Tag TagOfSubShape(const TopoDS_Shape& sub);

  double density = kSteelDensity;  // g/mm^3

private:
  void DropTopologyTags();
  std::vector<Tag> TopologyTags(int subtype);

  TopoDS_Shape shape_;
  int revision_ = 0;
  mutable std::optional<VolumeFigures> volume_;
  mutable std::optional<double> area_;
  mutable std::optional<std::array<double, 3>> surfaceCentroid_;
  mutable std::optional<Box> box_;
  struct TopologyMaps;
  mutable std::shared_ptr<TopologyMaps> maps_;
  std::vector<std::unique_ptr<TopologyRef>> faceRefs_, edgeRefs_;
  const TopologyMaps& Maps() const;
};

// Measurements of a shape that is not (or not only) a body.
MassProperties ComputeMassProperties(const TopoDS_Shape& shape, double density);
VolumeFigures ComputeVolumeFigures(const TopoDS_Shape& shape);
Box ComputeAxisBox(const TopoDS_Shape& shape);

}  // namespace platform
