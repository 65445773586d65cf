// Modelling queries and creation through the C interface: mass properties against
// hand-computed figures, boxes of placed occurrences, faces and edges, tag lists,
// cylinders, linked bodies.
#include <uf.h>
#include <uf_assem.h>
#include <uf_layer.h>
#include <uf_modl.h>
#include <uf_obj.h>
#include <uf_so.h>
#include <uf_wave.h>

#include <cmath>

#include "tests/support/api_fixture.h"
#include "platform/geometry/feature.h"

using namespace platform;
using namespace fabdoc_test;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSteel = 7.8e-3;  // g/mm^3

struct Props {
  double area, volume, mass, cx, cy, cz, density;
};

Props MassProps(tag_t body, int units = UF_MODL_MASS_GRAMS_CENTIMETERS) {
  double acc[11] = {0.99}, props[47], stats[13];
  EXPECT_EQ(UF_MODL_ask_mass_props_3d(&body, 1, 1, units, 0.0, 1, acc, props, stats), 0);
  return {props[0], props[1], props[2], props[3], props[4], props[5], props[46]};
}

std::array<double, 6> BoxOf(tag_t object) {
  std::array<double, 6> box{};
  EXPECT_EQ(UF_MODL_ask_bounding_box(object, box.data()), 0);
  return box;
}

void ExpectBox(const std::array<double, 6>& box, const std::array<double, 6>& expected, double tol = 1e-6) {
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(box[i], expected[i], tol) << "slot " << i;
}

tag_t OccurrenceOf(const ThreeLevels& t, const std::string& component) {
  for (tag_t c = UF_OBJ_cycle_objs_in_part(t.root->GetTag(), UF_component_type, NULL_TAG); c != NULL_TAG;
       c = UF_OBJ_cycle_objs_in_part(t.root->GetTag(), UF_component_type, c)) {
    char name[UF_OBJ_NAME_BUFSIZE];
    if (UF_OBJ_ask_name(c, name) == 0 && component == name) return c;
  }
  return NULL_TAG;
}

// The plate's occurrence seen through a component.
tag_t PlateIn(const ThreeLevels& t, const std::string& component) {
  const tag_t comp = OccurrenceOf(t, component);
  return UF_ASSEM_find_occurrence(comp, t.plate->GetTag());
}

tag_t FeatureBody(tag_t feature) {
  tag_t body = NULL_TAG;
  EXPECT_EQ(UF_MODL_ask_feat_body(feature, &body), 0);
  return body;
}

}  // namespace

class Modelling : public ApiTest {};

TEST_F(Modelling, MassPropertiesOfABoxInEveryUnitSystem) {
  Part& part = session().NewPart("\\p\\a.prt");
  session().SetDisplayed(&part);
  const tag_t plate = AddBox(part, 0, 0, 0, 100, 50, 8).GetTag();
  // 100 x 50 x 8 mm: 40,000 mm^3 = 40 cm^3, 312 g at 7.8 g/cm^3;
  // area 2 (100*50 + 100*8 + 50*8) = 12,400 mm^2 = 124 cm^2; centroid (50, 25, 4) mm.
  const Props cm = MassProps(plate, UF_MODL_MASS_GRAMS_CENTIMETERS);
  EXPECT_NEAR(cm.volume, 40.0, 1e-9);
  EXPECT_NEAR(cm.mass, 312.0, 1e-9);
  EXPECT_NEAR(cm.area, 124.0, 1e-9);
  EXPECT_NEAR(cm.cx, 5.0, 1e-9);
  EXPECT_NEAR(cm.cy, 2.5, 1e-9);
  EXPECT_NEAR(cm.cz, 0.4, 1e-9);
  EXPECT_NEAR(cm.density, 7.8, 1e-9);
  const Props m = MassProps(plate, UF_MODL_MASS_KILOGRAMS_METERS);
  EXPECT_NEAR(m.volume, 4e-5, 1e-15);
  EXPECT_NEAR(m.mass, 0.312, 1e-12);
  EXPECT_NEAR(m.density, 7800, 1e-6);
  const Props in = MassProps(plate, UF_MODL_MASS_POUNDS_INCHES);
  EXPECT_NEAR(in.volume, 40000 / std::pow(25.4, 3), 1e-9);
  EXPECT_NEAR(in.mass, 312 / 453.59237, 1e-12);

  double acc[11] = {0.99}, props[47], stats[13];
  tag_t t = plate;
  EXPECT_NE(UF_MODL_ask_mass_props_3d(&t, 1, 1, 9, 0.0, 1, acc, props, stats), 0) << "unknown units";
  EXPECT_NE(UF_MODL_ask_mass_props_3d(&t, 1, 2, 3, 0.0, 1, acc, props, stats), 0) << "thin shell is not measured";
}

TEST_F(Modelling, MassPropertiesOfStockSections) {
  Part& part = session().NewPart("\\p\\a.prt");
  session().SetDisplayed(&part);
  // Rectangular tube 50 x 30, wall 2, 1000 long: section 50*30 - 46*26 = 304 mm^2.
  const Props tube = MassProps(AddRectTube(part, 50, 30, 2, 1000).GetTag());
  EXPECT_NEAR(tube.volume * 1000, 304.0 * 1000, 1e-3);
  EXPECT_NEAR(tube.mass, 304.0 * 1000 * kSteel, 1e-3);
  EXPECT_NEAR(tube.cz * 10, 500, 1e-6);
  // Pipe OD 48, wall 3.5, 600 long: pi/4 (48^2 - 41^2) 600 mm^3.
  const double pipeVolume = kPi / 4 * (48.0 * 48 - 41.0 * 41) * 600;
  const Props pipe = MassProps(AddPipe(part, 48, 3.5, 600).GetTag());
  EXPECT_NEAR(pipe.volume * 1000, pipeVolume, pipeVolume * 1e-6);
  EXPECT_NEAR(pipe.mass, pipeVolume * kSteel, pipeVolume * kSteel * 1e-6);
  // Several bodies: volumes add, the centroid is mass-weighted.
  tag_t two[2] = {AddBox(part, 0, 0, 0, 10, 10, 10).GetTag(), AddBox(part, 90, 0, 0, 10, 10, 10).GetTag()};
  double acc[11] = {0.99}, props[47], stats[13];
  ASSERT_EQ(UF_MODL_ask_mass_props_3d(two, 2, 1, 3, 0.0, 1, acc, props, stats), 0);
  EXPECT_NEAR(props[1], 2.0, 1e-9);
  EXPECT_NEAR(props[3], 5.0, 1e-9);  // (5 + 95) / 2 mm = 5 cm
}

TEST_F(Modelling, OccurrencesAreMeasuredWherePlacedInTheWorkPart) {
  auto t = MakeThreeLevels();
  const tag_t underSub = PlateIn(t, "LEAF");
  ASSERT_NE(underSub, NULL_TAG);
  // The plate (0..10, 0..20, 0..30) moves y+10 into SUB, then SUB's x' = -y + 100, y' = x.
  ExpectBox(BoxOf(underSub), {70, 0, 0, 90, 10, 30});
  const Props p = MassProps(underSub, UF_MODL_MASS_GRAMS_CENTIMETERS);
  EXPECT_NEAR(p.mass, 10 * 20 * 30 * kSteel, 1e-9);
  EXPECT_NEAR(p.cx, 8.0, 1e-9);  // centroid (5, 10, 15) -> (5, 20, 15) -> (80, 5, 15) mm
  EXPECT_NEAR(p.cy, 0.5, 1e-9);
  EXPECT_NEAR(p.cz, 1.5, 1e-9);
  ExpectBox(BoxOf(PlateIn(t, "LEAF2")), {0, 0, 1000, 10, 20, 1030});
  ExpectBox(BoxOf(t.plate->GetTag()), {0, 0, 0, 10, 20, 30});
  // A component's box holds all bodies below it: the beam (5 cube at SUB's origin) and the plate.
  ExpectBox(BoxOf(OccurrenceOf(t, "SUB")), {70, 0, 0, 100, 10, 30});

  // With SUB as the work part, its own coordinates are reported.
  ASSERT_EQ(UF_ASSEM_set_work_part(OccurrenceOf(t, "SUB")), 0);
  ExpectBox(BoxOf(underSub), {0, 10, 0, 10, 30, 30});
}

TEST_F(Modelling, BodyTypeFacesEdgesAndTagLists) {
  auto t = MakeThreeLevels();
  int type = 0;
  ASSERT_EQ(UF_MODL_ask_body_type(PlateIn(t, "LEAF2"), &type), 0);
  EXPECT_EQ(type, UF_MODL_SOLID_BODY);
  uf_list_p_t faces = nullptr, edges = nullptr;
  ASSERT_EQ(UF_MODL_ask_body_faces(t.plate->GetTag(), &faces), 0);
  ASSERT_EQ(UF_MODL_ask_body_edges(t.plate->GetTag(), &edges), 0);
  int nFaces = 0, nEdges = 0;
  UF_MODL_ask_list_count(faces, &nFaces);
  UF_MODL_ask_list_count(edges, &nEdges);
  EXPECT_EQ(nFaces, 6);
  EXPECT_EQ(nEdges, 12);
  tag_t face = NULL_TAG, body = NULL_TAG;
  ASSERT_EQ(UF_MODL_ask_list_item(faces, 5, &face), 0);
  int faceType = 0, faceSubtype = 0;
  UF_OBJ_ask_type_and_subtype(face, &faceType, &faceSubtype);
  EXPECT_EQ(faceType, UF_solid_type);
  EXPECT_EQ(faceSubtype, UF_solid_face_subtype);
  UF_MODL_ask_face_body(face, &body);
  EXPECT_EQ(body, t.plate->GetTag());
  int walked = 0;
  for (uf_list_p_t p = faces; p; p = p->next) ++walked;
  EXPECT_EQ(walked, 6) << "the list can be walked by hand";
  EXPECT_NE(UF_MODL_ask_list_item(faces, 6, &face), 0);
  UF_MODL_delete_list(&faces);
  UF_MODL_delete_list(&edges);
  EXPECT_EQ(faces, nullptr);

  uf_list_p_t list = nullptr;
  ASSERT_EQ(UF_MODL_create_list(&list), 0);
  int count = -1;
  UF_MODL_ask_list_count(list, &count);
  EXPECT_EQ(count, 0);
  UF_MODL_put_list_item(list, 11);
  UF_MODL_put_list_item(list, 22);
  UF_MODL_put_list_item(list, 33);
  UF_MODL_delete_list_item(&list, 11);
  UF_MODL_ask_list_count(list, &count);
  EXPECT_EQ(count, 2);
  tag_t first = 0;
  UF_MODL_ask_list_item(list, 0, &first);
  EXPECT_EQ(first, 22u);
  UF_MODL_delete_list(&list);
}

TEST_F(Modelling, CylinderBetweenTwoPointsHasTheTypedSize) {
  Part& part = session().NewPart("\\p\\a.prt");
  session().SetDisplayed(&part);
  double origin[3] = {0, 0, 0}, direction[3] = {0, 0, 500};
  tag_t feature = NULL_TAG;
  ASSERT_EQ(UF_MODL_create_cyl1(UF_NULLSIGN, origin, "500.000000", "20.000000", direction, &feature), 0);
  auto* made = session().FindAs<Feature>(feature);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->kind, "CYLINDER");
  const tag_t body = FeatureBody(feature);
  // pi r^2 h = pi * 10^2 * 500 = 157,079.6 mm^3.
  EXPECT_NEAR(MassProps(body).volume * 1000, kPi * 100 * 500, 1e-3);
  ExpectBox(BoxOf(body), {-10, -10, 0, 10, 10, 500}, 1e-6);

  // From the other end: the same cylinder.
  double top[3] = {0, 0, 500}, down[3] = {0, 0, -500};
  ASSERT_EQ(UF_MODL_create_cyl1(UF_NULLSIGN, top, "500.000000", "20.000000", down, &feature), 0);
  ExpectBox(BoxOf(FeatureBody(feature)), {-10, -10, 0, 10, 10, 500}, 1e-6);
  EXPECT_EQ(part.Objects().size(), 4u) << "each call adds a body and its feature";

  // A slanted axis is normalised: length 500 along (3, 4, 0).
  double slant[3] = {3, 4, 0};
  ASSERT_EQ(UF_MODL_create_cyl1(UF_NULLSIGN, origin, "500", "20", slant, &feature), 0);
  EXPECT_NEAR(MassProps(FeatureBody(feature)).volume * 1000, kPi * 100 * 500, 1e-3);
}

TEST_F(Modelling, CylinderRefusesBadSizesAndCreatesNothing) {
  Part& part = session().NewPart("\\p\\a.prt");
  session().SetDisplayed(&part);
  double origin[3] = {0, 0, 0}, direction[3] = {0, 0, 1}, none[3] = {0, 0, 0};
  tag_t feature = 99;
  EXPECT_NE(UF_MODL_create_cyl1(UF_NULLSIGN, origin, "0.000000", "20.000000", direction, &feature), 0);
  EXPECT_EQ(feature, NULL_TAG);
  EXPECT_NE(UF_MODL_create_cyl1(UF_NULLSIGN, origin, "500", "-20", direction, &feature), 0);
  EXPECT_NE(UF_MODL_create_cyl1(UF_NULLSIGN, origin, "abc", "20", direction, &feature), 0);
  EXPECT_NE(UF_MODL_create_cyl1(UF_NULLSIGN, origin, "500", "20", none, &feature), 0);
  EXPECT_NE(UF_MODL_create_cyl1(UF_POSITIVE, origin, "500", "20", direction, &feature), 0);
  EXPECT_TRUE(part.Objects().empty());

  // The two-point tool's test: points closer than the modelling tolerance are refused
  // by the add-on before it asks for a cylinder.
  double tolerance = 0;
  ASSERT_EQ(UF_MODL_ask_distance_tolerance(&tolerance), 0);
  EXPECT_DOUBLE_EQ(tolerance, 0.0254);
}

TEST_F(Modelling, NewBodiesGoOnTheWorkLayerAndDieWithTheirFeature) {
  Part& part = session().NewPart("\\p\\a.prt");
  session().SetDisplayed(&part);
  ASSERT_EQ(UF_LAYER_set_status(171, UF_LAYER_WORK_LAYER), 0);
  double origin[3] = {0, 0, 0}, direction[3] = {1, 0, 0};
  tag_t feature = NULL_TAG;
  ASSERT_EQ(UF_MODL_create_cyl1(UF_NULLSIGN, origin, "100", "10", direction, &feature), 0);
  const tag_t body = FeatureBody(feature);
  UF_OBJ_disp_props_t props;
  ASSERT_EQ(UF_OBJ_ask_display_properties(body, &props), 0);
  EXPECT_EQ(props.layer, 171);
  ASSERT_EQ(UF_OBJ_delete_object(feature), 0);
  EXPECT_EQ(UF_OBJ_ask_status(body), UF_OBJ_DELETED);
  EXPECT_TRUE(part.Objects().empty());
}

TEST_F(Modelling, LinkedBodyCopiesAnOccurrenceIntoTheWorkPartWherePlaced) {
  auto t = MakeThreeLevels();
  const tag_t occ = PlateIn(t, "LEAF");
  UF_OBJ_set_color(t.plate->GetTag(), 186);
  // As the add-on's 抽取实体: prototype, transform from the parent component to the work
  // occurrence (none: the displayed part), linked body in the work part.
  const tag_t parent = UF_ASSEM_ask_parent_component(occ);
  tag_t xform = NULL_TAG, feature = NULL_TAG;
  ASSERT_EQ(UF_SO_create_xform_assy_ctxt(t.root->GetTag(), parent, UF_ASSEM_ask_work_occurrence(), &xform), 0);
  int type = 0, subtype = 0;
  UF_OBJ_ask_type_and_subtype(xform, &type, &subtype);
  EXPECT_EQ(type, UF_xform_type);
  ASSERT_EQ(UF_WAVE_create_linked_body(UF_ASSEM_ask_prototype_of_occ(occ), xform, t.root->GetTag(), true, &feature), 0);
  EXPECT_EQ(session().RequireAs<Feature>(feature, "a feature").kind, "LINKED_BODY");
  const tag_t linked = FeatureBody(feature);
  EXPECT_FALSE(UF_ASSEM_is_occurrence(linked));
  tag_t owner = NULL_TAG;
  UF_OBJ_ask_owning_part(linked, &owner);
  EXPECT_EQ(owner, t.root->GetTag());
  ExpectBox(BoxOf(linked), {70, 0, 0, 90, 10, 30});
  EXPECT_NEAR(MassProps(linked).mass, 10 * 20 * 30 * kSteel, 1e-9);
  UF_OBJ_disp_props_t props;
  UF_OBJ_ask_display_properties(linked, &props);
  EXPECT_EQ(props.color, 186);

  // Without a transform an occurrence is linked where it is placed.
  ASSERT_EQ(UF_WAVE_create_linked_body(PlateIn(t, "LEAF2"), NULL_TAG, NULL_TAG, true, &feature), 0);
  ExpectBox(BoxOf(FeatureBody(feature)), {0, 0, 1000, 10, 20, 1030});
}
