// The solid modeller's calls as the measurement helpers use them: a body's modeller
// tag, mass properties in metres and kilograms, face areas, face and edge lists.
#include <parasolid_kernel.h>
#include <uf.h>
#include <uf_assem.h>
#include <uf_modl.h>
#include <uf_obj.h>
#include <uf_ps.h>

#include <cmath>

#include <BRepPrimAPI_MakeBox.hxx>

#include "tests/support/api_fixture.h"

using namespace platform;
using namespace fabdoc_test;

namespace {

// As the add-on asks: version 2, selectors 14003, 14006, 14007, all else 0.
PK_TOPOL_eval_mass_props_o_t AddOnOptions() {
  PK_TOPOL_eval_mass_props_o_t o{};
  o.o_t_version = 2;
  o.mass = 14003;
  o.c_of_g = 14006;
  o.inertia = 14007;
  return o;
}

struct Eval {
  PK_ERROR_code_t error;
  double amount = 0, mass = 0, cog[3]{}, inertia[9]{}, periphery = 0;
};

Eval Evaluate(PK_TOPOL_t topol, double accuracy = 0.95) {
  Eval e{};
  const auto options = AddOnOptions();
  e.error = PK_TOPOL_eval_mass_props(1, &topol, accuracy, &options, &e.amount, &e.mass, e.cog, e.inertia, &e.periphery);
  return e;
}

PK_ENTITY_t PsTag(tag_t object) {
  PK_ENTITY_t ps = PK_ENTITY_null;
  EXPECT_EQ(UF_PS_ask_ps_tag_of_object(object, &ps), 0);
  return ps;
}

}  // namespace

class Modeller : public ApiPartTest {};

TEST_F(Modeller, TubeMassPropertiesInMetresAndKilograms) {
  // Square tube 50 x 50, wall 2, 1200 long: section 50^2 - 46^2 = 384 mm^2, volume
  // 384 * 1200 mm^3 = 4.608e-4 m^3, mass x 7800 kg/m^3 = 3.59424 kg, centre (25, 25, 600) mm.
  const tag_t tube = AddRectTube(*part, 50, 50, 2, 1200).GetTag();
  const Eval e = Evaluate(PsTag(tube));
  ASSERT_EQ(e.error, PK_ERROR_no_errors);
  EXPECT_NEAR(e.amount, (50.0 * 50 - 46.0 * 46) * 1200e-9, 1e-12);
  EXPECT_NEAR(e.mass, (50.0 * 50 - 46.0 * 46) * 1200e-9 * 7800, 1e-9);
  EXPECT_NEAR(e.amount * 1e9, 460800, 1e-3) << "the add-on's mm^3";
  EXPECT_NEAR(e.cog[0], 0.025, 1e-12);
  EXPECT_NEAR(e.cog[2], 0.6, 1e-12);
  // Inertia about the tube's axis (Z through the centre): m (a^2 + b^2) / 6 for each
  // solid square section, outer minus inner, in kg m^2.
  const double density = 7800, length = 1.2;
  const double outer = density * 0.05 * 0.05 * length, inner = density * 0.046 * 0.046 * length;
  const double izz = outer * (2 * 0.05 * 0.05) / 12 - inner * (2 * 0.046 * 0.046) / 12;
  EXPECT_NEAR(e.inertia[8], izz, izz * 1e-9);
}

TEST_F(Modeller, FaceAreasAndCountsThroughTheModeller) {
  const tag_t tube = AddRectTube(*part, 50, 50, 2, 1200).GetTag();
  const PK_BODY_t body = PsTag(tube);
  int nFaces = 0, nEdges = 0;
  PK_FACE_t* faces = nullptr;
  PK_EDGE_t* edges = nullptr;
  ASSERT_EQ(PK_BODY_ask_faces(body, &nFaces, &faces), PK_ERROR_no_errors);
  ASSERT_EQ(PK_BODY_ask_edges(body, &nEdges, &edges), PK_ERROR_no_errors);
  // 4 outer + 4 inner sides + 2 ends; 8 edges on each end + 8 along the tube.
  EXPECT_EQ(nFaces, 10);
  EXPECT_EQ(nEdges, 24);
  // The largest faces are the outer sides, 50 x 1200 mm = 0.06 m^2; the ends 384 mm^2.
  double largest = 0, smallest = 1;
  for (int i = 0; i < nFaces; ++i) {
    const Eval e = Evaluate(faces[i], 0.95);
    ASSERT_EQ(e.error, PK_ERROR_no_errors);
    largest = std::max(largest, e.amount);
    smallest = std::min(smallest, e.amount);
  }
  EXPECT_NEAR(largest, 0.06, 1e-12);
  EXPECT_NEAR(smallest * 1e6, 384, 1e-6);
  PK_MEMORY_free(faces);
  PK_MEMORY_free(edges);

  // A host face maps to the same modeller face the body lists.
  uf_list_p_t hostFaces = nullptr;
  UF_MODL_ask_body_faces(tube, &hostFaces);
  EXPECT_EQ(PsTag(hostFaces->eid), static_cast<PK_ENTITY_t>(hostFaces->eid));
  UF_MODL_delete_list(&hostFaces);
}

TEST_F(Modeller, OccurrencesGiveTheirPrototypesModellerBody) {
  auto t = MakeThreeLevels();
  tag_t leaf2 = NULL_TAG;
  for (tag_t c = UF_OBJ_cycle_objs_in_part(t.root->GetTag(), 63, NULL_TAG); c != NULL_TAG;
       c = UF_OBJ_cycle_objs_in_part(t.root->GetTag(), 63, c)) {
    char name[UF_OBJ_NAME_BUFSIZE];
    if (UF_OBJ_ask_name(c, name) == 0 && std::string(name) == "LEAF2") leaf2 = c;
  }
  const tag_t occurrence = UF_ASSEM_find_occurrence(leaf2, t.plate->GetTag());
  ASSERT_NE(occurrence, NULL_TAG);
  EXPECT_EQ(PsTag(occurrence), static_cast<PK_ENTITY_t>(t.plate->GetTag()));
  // The plate is 10 x 20 x 30 mm: 6e-6 m^3, centred at (5, 10, 15) mm in its own part.
  const Eval e = Evaluate(PsTag(occurrence));
  EXPECT_NEAR(e.amount, 6e-6, 1e-15);
  EXPECT_NEAR(e.cog[2], 0.015, 1e-12);
}

TEST_F(Modeller, BadCallsGiveModellerErrors) {
  const tag_t box = AddBox(*part, 0, 0, 0, 10, 10, 10).GetTag();
  const PK_BODY_t body = PsTag(box);
  EXPECT_EQ(Evaluate(body, 1.5).error, PK_ERROR_bad_value);
  EXPECT_EQ(Evaluate(424242).error, PK_ERROR_not_an_entity);
  auto options = AddOnOptions();
  options.o_t_version = 7;
  double amount = 0, mass = 0, cog[3], inertia[9], periphery = 0;
  EXPECT_EQ(PK_TOPOL_eval_mass_props(1, &body, 0.99, &options, &amount, &mass, cog, inertia, &periphery),
            PK_ERROR_bad_value);
  uf_list_p_t faces = nullptr;
  UF_MODL_ask_body_faces(box, &faces);
  const PK_TOPOL_t mixed[2] = {body, static_cast<PK_TOPOL_t>(faces->eid)};
  options = AddOnOptions();
  EXPECT_EQ(PK_TOPOL_eval_mass_props(2, mixed, 0.99, &options, &amount, &mass, cog, inertia, &periphery),
            PK_ERROR_wrong_entity);
  int n = 0;
  PK_FACE_t* list = nullptr;
  EXPECT_EQ(PK_BODY_ask_faces(static_cast<PK_BODY_t>(faces->eid), &n, &list), PK_ERROR_wrong_entity) << "a face is not a body";
  EXPECT_EQ(list, nullptr);
  UF_MODL_delete_list(&faces);
  PK_ENTITY_t ps = 5;
  EXPECT_EQ(UF_PS_ask_ps_tag_of_object(NULL_TAG, &ps), 1001);
  EXPECT_EQ(ps, PK_ENTITY_null);

  // Two bodies together: volumes add and the centre lies between them.
  const PK_TOPOL_t two[2] = {body, PsTag(AddBox(*part, 90, 0, 0, 10, 10, 10).GetTag())};
  ASSERT_EQ(PK_TOPOL_eval_mass_props(2, two, 0.99, &options, &amount, &mass, cog, inertia, &periphery), 0);
  EXPECT_NEAR(amount, 2e-6, 1e-15);
  EXPECT_NEAR(cog[0], 0.05, 1e-12);  // (5 + 95) / 2 mm
}

TEST_F(Modeller, FiguresKeptForABodyFollowItsShapeAndDensity) {
  Body& plate = AddBox(*part, 0, 0, 0, 100, 50, 8);
  const PK_BODY_t ps = PsTag(plate.GetTag());
  const Eval first = Evaluate(ps);
  ASSERT_EQ(first.error, PK_ERROR_no_errors);
  EXPECT_NEAR(first.amount * 1e9, 40000, 1e-6);
  // Asked again, the same figures; the inertia too (about Z: m (100^2 + 50^2) / 12).
  const Eval again = Evaluate(ps);
  EXPECT_EQ(again.amount, first.amount);
  const double kg = 40000 * 7.8e-6;
  EXPECT_NEAR(again.inertia[8], kg * (0.1 * 0.1 + 0.05 * 0.05) / 12, 1e-12);
  EXPECT_EQ(again.inertia[8], first.inertia[8]);

  // A new shape is measured afresh: 200 x 50 x 8, moved up 10.
  plate.SetShape(BRepPrimAPI_MakeBox(gp_Pnt(0, 0, 10), 200, 50, 8).Shape());
  const Eval grown = Evaluate(PsTag(plate.GetTag()));
  EXPECT_NEAR(grown.amount * 1e9, 80000, 1e-6);
  EXPECT_NEAR(grown.cog[0], 0.1, 1e-12);
  EXPECT_NEAR(grown.cog[2], 0.014, 1e-12);
  EXPECT_NEAR(grown.inertia[8], 2 * kg * (0.2 * 0.2 + 0.05 * 0.05) / 12, 1e-12);
  int faces = 0;
  PK_FACE_t* list = nullptr;
  ASSERT_EQ(PK_BODY_ask_faces(ps, &faces, &list), PK_ERROR_no_errors);
  PK_MEMORY_free(list);
  EXPECT_EQ(faces, 6);

  // A density set after measuring changes the mass, not the volume.
  plate.density = 2.7e-3;
  const Eval aluminium = Evaluate(ps);
  EXPECT_EQ(aluminium.amount, grown.amount);
  EXPECT_NEAR(aluminium.mass, 80000e-9 * 2700, 1e-9);
  EXPECT_NEAR(plate.Mass().mass, 80000 * 2.7e-3, 1e-6);
  EXPECT_NEAR(aluminium.inertia[8], grown.inertia[8] * 2.7 / 7.8, 1e-12);
}
