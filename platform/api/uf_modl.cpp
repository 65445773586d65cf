// uf_modl.h, queries: body type, mass properties, bounding boxes, faces and edges.
#include <uf_modl.h>

#include <TopLoc_Location.hxx>

#include "platform/api/cycle.h"
#include "platform/api/guard.h"
#include "platform/api/placement.h"
#include "platform/api/tag_list.h"
#include "platform/api/topology.h"
#include "platform/assemblies/located_shape.h"
#include "platform/assemblies/occurrence.h"
#include "platform/geometry/body.h"

using namespace platform;
using namespace platform::api;

namespace {

// Length and mass units of UF_MODL_ask_mass_props_3d, as factors from mm and g.
struct MassUnits {
  double length;  // units per mm
  double mass;    // units per g
};

MassUnits UnitsOf(int units) {
  constexpr double kGramsPerPound = 453.59237;
  switch (units) {
    case UF_MODL_MASS_POUNDS_INCHES: return {1 / 25.4, 1 / kGramsPerPound};
    case UF_MODL_MASS_POUNDS_FEET: return {1 / 304.8, 1 / kGramsPerPound};
    case UF_MODL_MASS_GRAMS_CENTIMETERS: return {0.1, 1};
    case UF_MODL_MASS_KILOGRAMS_METERS: return {0.001, 0.001};
  }
  throw HostError(HostStatus::InvalidArgument,
                  "mass property units " + std::to_string(units) + " are not 1 (lb, in), 2 (lb, ft), 3 (g, cm) or 4 (kg, m)");
}

TopoDS_Shape Placed(const TopoDS_Shape& shape, const Transform& placement) {
  return placement.IsIdentity() ? shape : shape.Moved(TopLoc_Location(ToTrsf(placement)));
}

// The box of a body, body occurrence, face or edge in reported coordinates.
Box BoxOf(Object& object) {
  if (object.Subtype() != kSolidBodySubtype) return ComputeAxisBox(ReportedShape(object));
  Body& body = BodyOf(object);
  const Transform placement = ReportPlacement(object);
  return placement.IsIdentity() ? body.AxisBox() : ComputeAxisBox(Placed(body.Shape(), placement));
}

void Widen(Box& total, const Box& box, bool first) {
  for (int i = 0; i < 3; ++i) {
    total.min[i] = first ? box.min[i] : std::min(total.min[i], box.min[i]);
    total.max[i] = first ? box.max[i] : std::max(total.max[i], box.max[i]);
  }
}

Body& SolidOf(Tag tag) {
  Body& body = BodyOf(Live(tag));
  return body;
}

}  // namespace

extern "C" {

int UF_MODL_ask_body_type(tag_t body_id, int* body_type) {
  return Guard("UF_MODL_ask_body_type", [&] {
    Need(body_type, "body_type");
    *body_type = 0;
    *body_type = SolidOf(body_id).BodyType();
  });
}

int UF_MODL_ask_mass_props_3d(tag_t* objects, int num_objects, int type, int units, double density, int accuracy,
                              double* acc_value, double* mass_props, double* statistics) {
  return Guard("UF_MODL_ask_mass_props_3d", [&] {
    Need(mass_props, "mass_props");
    std::fill(mass_props, mass_props + 47, 0.0);
    if (statistics) std::fill(statistics, statistics + 13, 0.0);
    if (num_objects < 1) throw HostError(HostStatus::InvalidArgument, "no objects to measure");
    Need(objects, "objects");
    if (type != UF_MODL_MASS_SOLID)
      throw HostError(HostStatus::NotImplemented,
                      "mass properties of type " + std::to_string(type) + ": this host measures solid bodies (type 1) only");
    const MassUnits u = UnitsOf(units);
    double area = 0, volume = 0, mass = 0;
    std::array<double, 3> moment{};  // sum of mass x centroid
    for (int i = 0; i < num_objects; ++i) {
      Object& object = Live(objects[i]);
      Body& body = BodyOf(object);
      if (body.BodyType() != kSolidBodyType)
        throw HostError(HostStatus::WrongObjectType, TagText(objects[i]) + " is a sheet body, not a solid");
      const MassProperties m = body.Mass();
      const auto centroid = ReportPlacement(object).Apply(m.centroid);
      area += m.area;
      volume += m.volume;
      mass += m.mass;
      for (int k = 0; k < 3; ++k) moment[k] += m.mass * centroid[k];
    }
    mass_props[0] = area * u.length * u.length;
    mass_props[1] = volume * u.length * u.length * u.length;
    mass_props[2] = mass * u.mass;
    for (int k = 0; k < 3; ++k) mass_props[3 + k] = mass > 0 ? moment[k] / mass * u.length : 0;
    mass_props[46] = mass_props[1] > 0 ? mass_props[2] / mass_props[1] : 0;
  });
}

int UF_MODL_ask_bounding_box(tag_t object, double bounding_box[6]) {
  return Guard("UF_MODL_ask_bounding_box", [&] {
    Need(bounding_box, "bounding_box");
    Object& o = Live(object);
    Box box;
    if (auto* c = dynamic_cast<ComponentOccurrence*>(&o)) {
      bool any = false;
      for (Tag t : ComponentSequence(*c)) {
        Object* below = Session::Get().Find(t);
        if (!below || below->Type() != kSolidType) continue;
        Widen(box, BoxOf(*below), !any);
        any = true;
      }
      if (!any) throw HostError(HostStatus::NoGeometry, "component " + std::to_string(object) + " has no bodies");
    } else {
      box = BoxOf(o);
    }
    for (int i = 0; i < 3; ++i) {
      bounding_box[i] = box.min[i];
      bounding_box[3 + i] = box.max[i];
    }
  });
}

int UF_MODL_ask_body_faces(tag_t body, uf_list_p_t* face_list) {
  return Guard("UF_MODL_ask_body_faces", [&] {
    Need(face_list, "face_list");
    *face_list = nullptr;
    *face_list = NewTagList(AllFaceTags(Live(body)));
  });
}

int UF_MODL_ask_body_edges(tag_t body, uf_list_p_t* edge_list) {
  return Guard("UF_MODL_ask_body_edges", [&] {
    Need(edge_list, "edge_list");
    *edge_list = nullptr;
    *edge_list = NewTagList(AllEdgeTags(Live(body)));
  });
}

int UF_MODL_ask_face_body(tag_t face, tag_t* body) {
  return Guard("UF_MODL_ask_face_body", [&] {
    Need(body, "body");
    *body = NULL_TAG;
    Object& f = Live(face);
    TopologyOf(f, kSolidFaceSubtype, "a face");
    *body = BodyOfTopology(f).GetTag();
  });
}

int UF_MODL_ask_edge_body(tag_t edge, tag_t* body) {
  return Guard("UF_MODL_ask_edge_body", [&] {
    Need(body, "body");
    *body = NULL_TAG;
    Object& e = Live(edge);
    TopologyOf(e, kSolidEdgeSubtype, "an edge");
    *body = BodyOfTopology(e).GetTag();
  });
}

int UF_MODL_ask_distance_tolerance(double* tolerance) {
  return Guard("UF_MODL_ask_distance_tolerance", [&] {
    // The host's default modelling distance tolerance: 0.001 in, in millimetres.
    constexpr double kDistanceTolerance = 0.0254;
    *Need(tolerance, "tolerance") = kDistanceTolerance;
  });
}

}  // extern "C"
