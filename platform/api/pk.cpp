// parasolid_kernel.h and uf_ps.h: the modeller's view of bodies, faces and edges. Its
// entity tags are the host tags of the prototype body, face or edge; its units metres
// and kilograms.
#include <parasolid_kernel.h>
#include <uf_ps.h>

#include <cstdlib>

#include "platform/api/guard.h"
#include "platform/api/topology.h"
#include "platform/assemblies/located_shape.h"
#include "platform/geometry/topology_mass.h"

using namespace platform;
using namespace platform::api;

namespace {

// Runs a modeller call through the host's guard and gives the modeller's error code;
// the message stays fetchable with UF_get_fail_message.
template <class F>
PK_ERROR_code_t PkGuard(const char* function, F&& body) noexcept {
  switch (Guard(function, std::forward<F>(body))) {
    case 0: return PK_ERROR_no_errors;
    case static_cast<int>(HostStatus::InvalidTag): return PK_ERROR_not_an_entity;
    case static_cast<int>(HostStatus::WrongObjectType): return PK_ERROR_wrong_entity;
    case static_cast<int>(HostStatus::InvalidArgument): return PK_ERROR_bad_value;
    default: return PK_ERROR_failed;
  }
}

// A modeller entity: a prototype body, face or edge (occurrences have no modeller tag).
Object& NeedEntity(PK_ENTITY_t entity) {
  if (entity <= 0) throw HostError(HostStatus::InvalidTag, "modeller tag " + std::to_string(entity) + " names no entity");
  Object& object = Live(static_cast<Tag>(entity));
  if (!dynamic_cast<Body*>(&object) && !dynamic_cast<TopologyRef*>(&object))
    throw HostError(HostStatus::WrongObjectType, "modeller tag " + std::to_string(entity) + " is not a body, face or edge");
  return object;
}

Body& NeedBody(PK_BODY_t body) {
  auto* b = dynamic_cast<Body*>(&NeedEntity(body));
  if (!b) throw HostError(HostStatus::WrongObjectType, "modeller tag " + std::to_string(body) + " is not a body");
  return *b;
}

// Factors from the platform's mm and g to metres and kilograms, by class of entity.
struct SiFactors {
  double amount, mass, inertia, periphery;
};
constexpr SiFactors kBodySi{1e-9, 1e-3, 1e-9, 1e-6};    // mm^3, g, g mm^2, mm^2
constexpr SiFactors kFaceSi{1e-6, 1e-6, 1e-12, 1e-3};   // mm^2, mm^2, mm^4, mm
constexpr SiFactors kEdgeSi{1e-3, 1e-3, 1e-9, 1e-3};    // mm, mm, mm^3, -
constexpr double kMetresPerMm = 1e-3;

PK_ERROR_code_t AskTopology(const char* function, PK_BODY_t body, int* count, PK_ENTITY_t** items, bool faces) {
  return PkGuard(function, [&] {
    Need(count, faces ? "n_faces" : "n_edges");
    Need(items, faces ? "faces" : "edges");
    *count = 0;
    *items = nullptr;
    Body& b = NeedBody(body);
    const std::vector<Tag> tags = faces ? b.FaceTags() : b.EdgeTags();
    std::vector<PK_ENTITY_t> entities(tags.begin(), tags.end());
    *items = DupArray(entities);
    *count = static_cast<int>(entities.size());
  });
}

}  // namespace

extern "C" {

int UF_PS_ask_ps_tag_of_object(tag_t object_tag, PK_ENTITY_t* ps_tag) {
  return Guard("UF_PS_ask_ps_tag_of_object", [&] {
    Need(ps_tag, "ps_tag");
    *ps_tag = PK_ENTITY_null;
    Object& object = Live(object_tag);
    Tag entity = kNullTag;
    if (object.Type() == kSolidType && object.Subtype() != kSolidBodySubtype)
      entity = TopologyOf(object, object.Subtype(), "a face or an edge").GetTag();
    else
      entity = BodyOf(object).GetTag();
    *ps_tag = static_cast<PK_ENTITY_t>(entity);
  });
}

PK_ERROR_code_t PK_TOPOL_eval_mass_props(int n_topols, const PK_TOPOL_t topols[], double accuracy,
                                         const PK_TOPOL_eval_mass_props_o_t* options, double amount[],
                                         double mass[], double c_of_g[], double m_of_i[], double periphery[]) {
  return PkGuard("PK_TOPOL_eval_mass_props", [&] {
    Need(options, "options");
    Need(amount, "amount");
    amount[0] = 0;
    if (n_topols < 1) throw HostError(HostStatus::InvalidArgument, "no topologies to evaluate");
    Need(topols, "topols");
    if (options->o_t_version < 1 || options->o_t_version > 2)
      throw HostError(HostStatus::InvalidArgument, "option version " + std::to_string(options->o_t_version) + " is not 1 or 2");
    if (!(accuracy >= 0 && accuracy <= 1))
      throw HostError(HostStatus::InvalidArgument, "accuracy " + std::to_string(accuracy) + " is not within 0..1");
    const bool wantMass = options->mass == PK_mass_mass_c;
    const bool wantCog = options->c_of_g == PK_mass_c_of_g_yes_c;
    const bool wantInertia = options->inertia == PK_mass_m_of_i_yes_c;
    const bool wantPeriphery = options->periphery == PK_mass_periphery_yes_c;
    if (wantMass) Need(mass, "mass");
    if (wantCog) Need(c_of_g, "c_of_g");
    if (wantInertia) Need(m_of_i, "m_of_i");
    if (wantPeriphery) Need(periphery, "periphery");

    std::vector<TopologyMass> parts;
    const SiFactors* si = nullptr;
    for (int i = 0; i < n_topols; ++i) {
      Object& entity = NeedEntity(topols[i]);
      const SiFactors* kind = entity.Subtype() == kSolidBodySubtype   ? &kBodySi
                              : entity.Subtype() == kSolidFaceSubtype ? &kFaceSi
                                                                       : &kEdgeSi;
      if (si && kind != si)
        throw HostError(HostStatus::WrongObjectType, "bodies, faces and edges cannot be evaluated together");
      si = kind;
      if (auto* body = dynamic_cast<Body*>(&entity)) {
        parts.push_back(MassOfBody(*body, wantInertia, wantPeriphery));
      } else {
        auto& ref = static_cast<TopologyRef&>(entity);
        parts.push_back(MassOfTopology(ref.body->SubShape(ref), wantInertia));
      }
    }
    const TopologyMass total = Combine(parts);
    amount[0] = total.amount * si->amount;
    if (wantMass) mass[0] = total.mass * si->mass;
    if (wantCog)
      for (int k = 0; k < 3; ++k) c_of_g[k] = total.centroid[k] * kMetresPerMm;
    if (wantInertia)
      for (int k = 0; k < 9; ++k) m_of_i[k] = total.inertia[k] * si->inertia;
    if (wantPeriphery) periphery[0] = total.periphery * si->periphery;
  });
}

PK_ERROR_code_t PK_BODY_ask_faces(PK_BODY_t body, int* n_faces, PK_FACE_t** faces) {
  return AskTopology("PK_BODY_ask_faces", body, n_faces, faces, true);
}

PK_ERROR_code_t PK_BODY_ask_edges(PK_BODY_t body, int* n_edges, PK_EDGE_t** edges) {
  return AskTopology("PK_BODY_ask_edges", body, n_edges, edges, false);
}

PK_ERROR_code_t PK_MEMORY_free(void* pointer) {
  return PkGuard("PK_MEMORY_free", [&] { std::free(pointer); });
}

}  // extern "C"
