#include "platform/geometry/body.h"

#include <BRepBndLib.hxx>
#include <BRepGProp.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <TopAbs_ShapeEnum.hxx>
#include <gp_Mat.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedMapOfShape.hxx>

#include "platform/base/host_error.h"
#include "platform/geometry/tight_box.h"
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
  volume_.reset();
  area_.reset();
  surfaceCentroid_.reset();
  box_.reset();
  maps_.reset();
}

int Body::BodyType() const {
  TopExp_Explorer solids(shape_, TopAbs_SOLID);
  return solids.More() ? kSolidBodyType : kSheetBodyType;
}

namespace {

void RequireShape(const TopoDS_Shape& shape) {
  if (shape.IsNull()) throw HostError(HostStatus::NoGeometry, "mass properties of an empty shape");
}

std::array<double, 3> Coords(const gp_Pnt& p) { return {p.X(), p.Y(), p.Z()}; }

}  // namespace

VolumeFigures ComputeVolumeFigures(const TopoDS_Shape& shape) {
  RequireShape(shape);
  GProp_GProps props;
  BRepGProp::VolumeProperties(shape, props);
  VolumeFigures result;
  result.volume = props.Mass();
  result.centroid = Coords(props.CentreOfMass());
  const gp_Mat inertia = props.MatrixOfInertia();
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) result.inertia[i * 3 + j] = inertia.Value(i + 1, j + 1);
  return result;
}

MassProperties ComputeMassProperties(const TopoDS_Shape& shape, double density) {
  const VolumeFigures volume = ComputeVolumeFigures(shape);
  GProp_GProps surface;
  BRepGProp::SurfaceProperties(shape, surface);
  MassProperties result;
  result.volume = volume.volume;
  result.area = surface.Mass();
  result.mass = result.volume * density;
  result.centroid = result.volume > 0 ? volume.centroid : Coords(surface.CentreOfMass());
  return result;
}

Box ComputeAxisBox(const TopoDS_Shape& shape) {
  if (shape.IsNull()) throw HostError(HostStatus::NoGeometry, "bounding box of an empty shape");
  Bnd_Box box;
  // The exact surfaces rather than their control points.
  AddTightBox(shape, box);
  if (box.IsVoid()) throw HostError(HostStatus::NoGeometry, "bounding box of a shape without geometry");
  Box result;
  box.Get(result.min[0], result.min[1], result.min[2], result.max[0], result.max[1], result.max[2]);
  return result;
}

const VolumeFigures& Body::Volume() const {
  if (!volume_) volume_ = ComputeVolumeFigures(shape_);
  return *volume_;
}

double Body::SurfaceArea() const {
  if (!area_) {
    RequireShape(shape_);
    GProp_GProps surface;
    BRepGProp::SurfaceProperties(shape_, surface);
    area_ = surface.Mass();
    surfaceCentroid_ = Coords(surface.CentreOfMass());
  }
  return *area_;
}

MassProperties Body::Mass() const {
  const VolumeFigures& v = Volume();
  MassProperties result;
  result.volume = v.volume;
  result.area = SurfaceArea();
  result.mass = v.volume * density;
  // A sheet body has no volume to centre: its surface stands in.
  result.centroid = v.volume > 0 ? v.centroid : *surfaceCentroid_;
  return result;
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
