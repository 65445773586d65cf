#include "platform/geometry/topology_mass.h"

#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <gp_Mat.hxx>

#include "platform/base/host_error.h"
#include "platform/geometry/recent_measurements.h"

namespace platform {

namespace {

std::array<double, 9> Rows(const gp_Mat& m, double factor) {
  std::array<double, 9> r{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r[i * 3 + j] = m.Value(i + 1, j + 1) * factor;
  return r;
}

std::array<double, 3> Coords(const gp_Pnt& p) { return {p.X(), p.Y(), p.Z()}; }

}  // namespace

TopologyMass MassOfBody(const Body& body, bool withInertia, bool withPeriphery) {
  const VolumeFigures& cached = body.Volume();
  TopologyMass m;
  m.amount = cached.volume;
  m.mass = cached.volume * body.density;
  m.centroid = cached.centroid;
  if (cached.volume <= 0) m.centroid = body.Mass().centroid;
  if (withPeriphery) m.periphery = body.SurfaceArea();
  if (withInertia)
    for (int k = 0; k < 9; ++k) m.inertia[k] = cached.inertia[k] * body.density;  // unit density -> the body's
  return m;
}

namespace {

TopologyMass MeasureTopology(const TopoDS_Shape& shape) {
  GProp_GProps props;
  TopologyMass m;
  if (shape.ShapeType() == TopAbs_FACE) {
    BRepGProp::SurfaceProperties(shape, props);
    GProp_GProps boundary;
    BRepGProp::LinearProperties(shape, boundary);
    m.periphery = boundary.Mass();
  } else if (shape.ShapeType() == TopAbs_EDGE) {
    BRepGProp::LinearProperties(shape, props);
  } else {
    throw HostError(HostStatus::WrongObjectType, "mass properties of a shape that is neither a face nor an edge");
  }
  m.amount = m.mass = props.Mass();
  m.centroid = Coords(props.CentreOfMass());
  m.inertia = Rows(props.MatrixOfInertia(), 1.0);
  return m;
}

}  // namespace

TopologyMass MassOfTopology(const TopoDS_Shape& shape, bool withInertia) {
  if (shape.IsNull()) throw HostError(HostStatus::NoGeometry, "mass properties of an empty shape");
  // Every face of a body is integrated to find its largest, each time the body is
  // measured: faces and edges of a few bodies of 500 faces.
  static RecentMeasurements<ShapeKey, TopologyMass, ShapeKeyHash> measured(20000);
  TopologyMass m = measured.Get(ShapeKey(shape), [&] { return MeasureTopology(shape); });
  if (!withInertia) m.inertia = {};
  return m;
}

TopologyMass Combine(const std::vector<TopologyMass>& parts) {
  if (parts.size() == 1) return parts.front();
  TopologyMass total;
  for (const auto& p : parts) {
    total.amount += p.amount;
    total.mass += p.mass;
    total.periphery += p.periphery;
    for (int k = 0; k < 3; ++k) total.centroid[k] += p.mass * p.centroid[k];
  }
  if (total.mass > 0)
    for (double& c : total.centroid) c /= total.mass;
  // I = sum(I_i + m_i (|d|^2 E - d d^T)), d from the common centroid to each part's.
  for (const auto& p : parts) {
    std::array<double, 3> d{};
    for (int k = 0; k < 3; ++k) d[k] = p.centroid[k] - total.centroid[k];
    const double d2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j)
        total.inertia[i * 3 + j] += p.inertia[i * 3 + j] + p.mass * ((i == j ? d2 : 0.0) - d[i] * d[j]);
  }
  return total;
}

}  // namespace platform
