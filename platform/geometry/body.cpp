#include "platform/geometry/body.h"

#include <BRepBndLib.hxx>
#include <BRepGProp.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <TopAbs_ShapeEnum.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedMapOfShape.hxx>

#include "platform/base/host_error.h"
#include "platform/objects/session.h"

namespace platform {

struct Body::TopologyMaps {
  TopTools_IndexedMapOfShape faces;
  TopTools_IndexedMapOfShape edges;
};

Body::Body(TopoDS_Shape shape) : Body() { shape_ = std::move(shape); }

Body::~Body() { DropTopologyTags(); }

void Body::SetShape(TopoDS_Shape shape) {
  DropTopologyTags();
  shape_ = std::move(shape);
  ++revision_;
  mass_.reset();
  box_.reset();
  maps_.reset();
}

int Body::BodyType() const {
  TopExp_Explorer solids(shape_, TopAbs_SOLID);
  return solids.More() ? kSolidBodyType : kSheetBodyType;
}

MassProperties ComputeMassProperties(const TopoDS_Shape& shape, double density) {
  if (shape.IsNull())
    throw HostError(HostStatus::NoGeometry, "mass properties of an empty shape");
  MassProperties result;
  GProp_GProps volume;
  BRepGProp::VolumeProperties(shape, volume);
  GProp_GProps surface;
  BRepGProp::SurfaceProperties(shape, surface);
  result.volume = volume.Mass();
  result.area = surface.Mass();
  result.mass = result.volume * density;
  gp_Pnt c = result.volume > 0 ? volume.CentreOfMass() : surface.CentreOfMass();
  result.centroid = {c.X(), c.Y(), c.Z()};
  return result;
}

Box ComputeAxisBox(const TopoDS_Shape& shape) {
  if (shape.IsNull()) throw HostError(HostStatus::NoGeometry, "bounding box of an empty shape");
  Bnd_Box box;
  // The optimal box follows the exact surfaces rather than their control points.
  BRepBndLib::AddOptimal(shape, box, false, false);
  if (box.IsVoid()) throw HostError(HostStatus::NoGeometry, "bounding box of a shape without geometry");
  Box result;
  box.Get(result.min[0], result.min[1], result.min[2], result.max[0], result.max[1], result.max[2]);
  return result;
}

const MassProperties& Body::Mass() const {
  if (!mass_) mass_ = ComputeMassProperties(shape_, density);
  return *mass_;
}

Box Body::AxisBox() const {
  if (!box_) box_ = ComputeAxisBox(shape_);
  return *box_;
}

const Body::TopologyMaps& Body::Maps() const {
  if (!maps_) {
    maps_ = std::make_shared<TopologyMaps>();
    TopExp::MapShapes(shape_, TopAbs_FACE, maps_->faces);
    TopExp::MapShapes(shape_, TopAbs_EDGE, maps_->edges);
  }
  return *maps_;
}

int Body::FaceCount() const { return Maps().faces.Extent(); }
int Body::EdgeCount() const { return Maps().edges.Extent(); }

std::vector<Tag> Body::TopologyTags(int subtype) {
  const bool faces = subtype == kSolidFaceSubtype;
  auto& refs = faces ? faceRefs_ : edgeRefs_;
  refs.resize(faces ? FaceCount() : EdgeCount());
  std::vector<Tag> tags;
  tags.reserve(refs.size());
  for (size_t i = 0; i < refs.size(); ++i) {
    if (!refs[i]) {
      refs[i] = std::make_unique<TopologyRef>(subtype, *this, static_cast<int>(i + 1));
      refs[i]->owner = owner;
      Session::Get().Register(*refs[i]);
    }
    tags.push_back(refs[i]->GetTag());
  }
  return tags;
}

std::vector<Tag> Body::FaceTags() { return TopologyTags(kSolidFaceSubtype); }
std::vector<Tag> Body::EdgeTags() { return TopologyTags(kSolidEdgeSubtype); }

TopoDS_Shape Body::SubShape(const TopologyRef& ref) const {
  const auto& map = ref.Subtype() == kSolidFaceSubtype ? Maps().faces : Maps().edges;
  if (ref.body != this || ref.index < 1 || ref.index > map.Extent()) return {};
  return map(ref.index);
}

Tag Body::TagOfSubShape(const TopoDS_Shape& sub) {
  const bool face = sub.ShapeType() == TopAbs_FACE;
  const int index = face ? Maps().faces.FindIndex(sub) : Maps().edges.FindIndex(sub);
  if (index < 1) return kNullTag;
  const std::vector<Tag> tags = face ? FaceTags() : EdgeTags();
  return tags[index - 1];
}

void Body::DropTopologyTags() {
  for (auto* refs : {&faceRefs_, &edgeRefs_}) {
    for (auto& ref : *refs)
      if (ref) Session::Get().Unregister(ref->GetTag());
    refs->clear();
  }
}

}  // namespace platform
