// Cycling objects of parts and components, occurrences, prototypes and the work part
// through the C interface, on the three-level assembly of api_fixture.h.
#include <uf.h>
#include <uf_assem.h>
#include <uf_obj.h>
#include <uf_part.h>

#include <vector>

#include "tests/support/api_fixture.h"
#include "platform/assemblies/occurrence.h"

using namespace platform;
using namespace fabdoc_test;

namespace {

std::vector<tag_t> CycleInPart(tag_t part, int type) {
  std::vector<tag_t> tags;
  for (tag_t t = UF_OBJ_cycle_objs_in_part(part, type, NULL_TAG); t != NULL_TAG;
       t = UF_OBJ_cycle_objs_in_part(part, type, t))
    tags.push_back(t);
  return tags;
}

std::vector<tag_t> CycleInComp(tag_t comp) {
  std::vector<tag_t> tags;
  tag_t t = NULL_TAG;
  while (UF_ASSEM_cycle_objs_in_comp(comp, &t) == 0 && t != NULL_TAG) tags.push_back(t);
  return tags;
}

std::string NameOf(tag_t t) {
  char name[UF_OBJ_NAME_BUFSIZE];
  return UF_OBJ_ask_name(t, name) == 0 ? name : "";
}

}  // namespace

class AssemblyCycling : public ApiTest {};

TEST_F(AssemblyCycling, PartCyclesOwnBodiesInCreationOrderThenOccurrencesDepthFirst) {
  auto t = MakeThreeLevels();
  AddBox(*t.root, 0, 0, 0, 1, 1, 1, "second");
  const auto bodies = CycleInPart(t.root->GetTag(), UF_solid_type);
  // Own: frame, second. Occurrences: beam in SUB, plate in SUB/LEAF, plate in LEAF2.
  ASSERT_EQ(bodies.size(), 5u);
  EXPECT_EQ(bodies[0], t.frame->GetTag());
  EXPECT_EQ(NameOf(bodies[1]), "second");
  EXPECT_EQ(NameOf(bodies[2]), "beam");
  EXPECT_EQ(NameOf(bodies[3]), "plate");
  EXPECT_EQ(NameOf(bodies[4]), "plate");
  for (size_t i = 0; i < bodies.size(); ++i) {
    int type = 0, subtype = -1;
    ASSERT_EQ(UF_OBJ_ask_type_and_subtype(bodies[i], &type, &subtype), 0);
    EXPECT_EQ(type, UF_solid_type);
    EXPECT_EQ(subtype, UF_solid_body_subtype);
    EXPECT_EQ(UF_ASSEM_is_occurrence(bodies[i]), i >= 2) << "body " << i;
  }
  EXPECT_EQ(UF_ASSEM_ask_prototype_of_occ(bodies[3]), t.plate->GetTag());
  EXPECT_EQ(UF_ASSEM_ask_prototype_of_occ(bodies[4]), t.plate->GetTag());
  EXPECT_NE(bodies[3], bodies[4]) << "each occurrence has its own tag";

  const auto components = CycleInPart(t.root->GetTag(), UF_component_type);
  ASSERT_EQ(components.size(), 3u);
  EXPECT_EQ(NameOf(components[0]), "SUB");
  EXPECT_EQ(NameOf(components[1]), "LEAF");
  EXPECT_EQ(NameOf(components[2]), "LEAF2");
  for (tag_t c : components) {
    int type = 0, subtype = 0;
    UF_OBJ_ask_type_and_subtype(c, &type, &subtype);
    EXPECT_EQ(type, UF_component_type);
    EXPECT_EQ(subtype, UF_part_occurrence_subtype);
  }
  // A part without components cycles its own objects only.
  EXPECT_EQ(CycleInPart(t.leaf->GetTag(), UF_solid_type), std::vector<tag_t>{t.plate->GetTag()});
  EXPECT_TRUE(CycleInPart(t.leaf->GetTag(), UF_component_type).empty());
}

TEST_F(AssemblyCycling, CyclingGoesOnAfterTheReturnedObjectIsDeleted) {
  auto t = MakeThreeLevels();
  // The tag, not the body: the body is gone once deleted.
  const tag_t doomed = AddBox(*t.leaf, 0, 0, 0, 1, 1, 1, "a").GetTag();
  AddBox(*t.leaf, 0, 0, 0, 1, 1, 1, "b");
  std::vector<std::string> seen;
  for (tag_t o = UF_OBJ_cycle_objs_in_part(t.leaf->GetTag(), UF_solid_type, NULL_TAG); o != NULL_TAG;) {
    seen.push_back(NameOf(o));
    const tag_t next = o;
    if (o == doomed) {
      ASSERT_EQ(UF_OBJ_delete_object(o), 0);
    }
    o = UF_OBJ_cycle_objs_in_part(t.leaf->GetTag(), UF_solid_type, next);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"plate", "a", "b"}));
}

TEST_F(AssemblyCycling, ComponentCycleYieldsItsBodiesThenEveryLevelBelow) {
  auto t = MakeThreeLevels();
  const tag_t root = UF_ASSEM_ask_root_part_occ(t.root->GetTag());
  ASSERT_NE(root, NULL_TAG);
  EXPECT_FALSE(UF_ASSEM_is_occurrence(root));
  EXPECT_EQ(UF_ASSEM_ask_root_part_occ(t.leaf->GetTag()), NULL_TAG) << "a part without components";

  tag_t* children = nullptr;
  ASSERT_EQ(UF_ASSEM_ask_part_occ_children(root, &children), 2);
  const tag_t sub = children[0], leaf2 = children[1];
  UF_free(children);

  const auto below = CycleInComp(sub);
  ASSERT_EQ(below.size(), 3u);  // beam occurrence, LEAF, plate occurrence under LEAF
  EXPECT_EQ(UF_ASSEM_ask_prototype_of_occ(below[0]), t.beam->GetTag());
  EXPECT_EQ(NameOf(below[1]), "LEAF");
  EXPECT_EQ(UF_ASSEM_ask_prototype_of_occ(below[2]), t.plate->GetTag());
  EXPECT_EQ(UF_ASSEM_ask_parent_component(below[0]), sub);
  EXPECT_EQ(UF_ASSEM_ask_parent_component(below[1]), sub);
  EXPECT_EQ(UF_ASSEM_ask_parent_component(below[2]), below[1]);
  EXPECT_EQ(UF_ASSEM_ask_parent_component(sub), root);
  EXPECT_EQ(UF_ASSEM_ask_parent_component(t.frame->GetTag()), NULL_TAG) << "a body of the part itself";
  EXPECT_EQ(UF_ASSEM_ask_prototype_of_occ(sub), t.sub->GetTag());
  EXPECT_EQ(UF_ASSEM_ask_prototype_of_occ(t.frame->GetTag()), t.frame->GetTag());
  EXPECT_EQ(UF_ASSEM_find_occurrence(leaf2, t.plate->GetTag()), CycleInComp(leaf2).at(0));

  // The root occurrence's objects: the part's own bodies, then every occurrence.
  const auto all = CycleInComp(root);
  ASSERT_EQ(all.size(), 7u);
  EXPECT_EQ(all[0], t.frame->GetTag());
}

TEST_F(AssemblyCycling, ComponentDataGivesPathInstanceNameAndPlacementInTheRoot) {
  auto t = MakeThreeLevels();
  const auto components = CycleInPart(t.root->GetTag(), UF_component_type);
  const tag_t leafInSub = components[1];
  char partName[MAX_FSPEC_BUFSIZE], refset[MAX_ENTITY_NAME_BUFSIZE], instance[UF_CFI_MAX_FILE_NAME_BUFSIZE];
  double origin[3], csys[9], matrix[4][4];
  ASSERT_EQ(UF_ASSEM_ask_component_data(leafInSub, partName, refset, instance, origin, csys, matrix), 0);
  EXPECT_STREQ(partName, "\\p\\leaf.prt");
  EXPECT_STREQ(refset, "");
  EXPECT_STREQ(instance, "LEAF");
  // y+10 inside SUB, then SUB's x' = -y + 100, y' = x: the origin lands at (90, 0, 0).
  EXPECT_DOUBLE_EQ(origin[0], 90);
  EXPECT_DOUBLE_EQ(origin[1], 0);
  EXPECT_DOUBLE_EQ(origin[2], 0);
  // The component's X axis points along the root's Y, its Y axis along -X.
  EXPECT_DOUBLE_EQ(csys[1], 1);
  EXPECT_DOUBLE_EQ(csys[3], -1);
  EXPECT_DOUBLE_EQ(matrix[0][3], 90);
  EXPECT_DOUBLE_EQ(matrix[3][3], 1);
  EXPECT_NE(UF_ASSEM_ask_component_data(UF_ASSEM_ask_root_part_occ(t.root->GetTag()), partName, refset, instance,
                                        origin, csys, matrix),
            0)
      << "a root occurrence is not a component";
}

TEST_F(AssemblyCycling, WorkPartFollowsAPartOrAComponent) {
  auto t = MakeThreeLevels();
  EXPECT_EQ(UF_ASSEM_ask_work_part(), t.root->GetTag());
  EXPECT_EQ(UF_ASSEM_ask_work_occurrence(), NULL_TAG);
  const tag_t sub = CycleInPart(t.root->GetTag(), UF_component_type)[0];

  ASSERT_EQ(UF_ASSEM_set_work_part(sub), 0);
  EXPECT_EQ(UF_ASSEM_ask_work_part(), t.sub->GetTag());
  EXPECT_EQ(UF_ASSEM_ask_work_occurrence(), sub);
  EXPECT_EQ(UF_PART_ask_display_part(), t.root->GetTag());

  ASSERT_EQ(UF_ASSEM_set_work_part(t.leaf->GetTag()), 0);  // by part: its first occurrence
  EXPECT_EQ(UF_ASSEM_ask_work_part(), t.leaf->GetTag());
  EXPECT_EQ(NameOf(UF_ASSEM_ask_work_occurrence()), "LEAF");

  ASSERT_EQ(UF_ASSEM_set_work_part(UF_PART_ask_display_part()), 0);
  EXPECT_EQ(UF_ASSEM_ask_work_occurrence(), NULL_TAG);
  EXPECT_NE(UF_ASSEM_set_work_part(t.frame->GetTag()), 0) << "a body is not a part";
}

TEST_F(AssemblyCycling, ObjectsAreFoundByNameAndTypeIgnoringAsciiCase) {
  auto t = MakeThreeLevels();
  AddBox(*t.root, 0, 0, 0, 1, 1, 1, Gbk("底板-1"));
  tag_t found = NULL_TAG;
  ASSERT_EQ(UF_OBJ_cycle_by_name_and_type(t.root->GetTag(), "Frame", UF_solid_type, false, &found), 0);
  EXPECT_EQ(found, t.frame->GetTag());
  ASSERT_EQ(UF_OBJ_cycle_by_name_and_type(t.root->GetTag(), "Frame", UF_solid_type, false, &found), 0);
  EXPECT_EQ(found, NULL_TAG);
  ASSERT_EQ(UF_OBJ_cycle_by_name_and_type(t.root->GetTag(), Gbk("底板-1").c_str(), UF_solid_type, false, &found), 0);
  EXPECT_NE(found, NULL_TAG);
  found = NULL_TAG;
  ASSERT_EQ(UF_OBJ_cycle_by_name_and_type(t.root->GetTag(), "LEAF2", UF_component_type, false, &found), 0);
  EXPECT_EQ(NameOf(found), "LEAF2");
}
