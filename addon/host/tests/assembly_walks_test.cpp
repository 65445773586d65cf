// Attributes, bodies and walks of a real assembly (object_attributes, assembly_walks), and
// a component's part file (part_file_names).
// Compiled like the add-on: string literals here are GBK.
#include <algorithm>

#include <uf_assem.h>
#include <uf_obj.h>

#include "host/attribute_vocabulary.h"
#include "host/assembly_walks.h"
#include "host/object_attributes.h"
#include "host/part_file_names.h"
#include "platform/assemblies/occurrence.h"
#include "tests/support/test_model.h"

using namespace platform;
using fabdoc_test::AddBox;

namespace {

Instance Component(const char* partPath, const char* instanceName, const char* name, int layer = 1,
                   double dx = 0) {
  Instance inst;
  inst.partPath = partPath;
  inst.instanceName = instanceName;
  inst.name = name;
  inst.layer = layer;
  inst.transform = Transform::Translation(dx, 0, 0);
  return inst;
}

// root: A (机架, part PA holding C = 底座, part PC) and B (机架 again, part PB).
struct Product {
  Part* root;
  Part* pa;
  Part* pb;
  Part* pc;
  Body* frameBody;
  Body* baseBody;
};

Product MakeProduct(Session& s, int bLayer = 1) {
  Product p{};
  p.pc = &s.NewPart("\\p\\PC.prt");
  p.baseBody = &AddBox(*p.pc, 0, 0, 0, 10, 10, 2, "base");
  p.pa = &s.NewPart("\\p\\PA.prt");
  p.frameBody = &AddBox(*p.pa, 0, 0, 0, 50, 50, 5, "frame");
  p.pa->AddInstance(Component("\\p\\PC.prt", "C", "底座"));
  p.pb = &s.NewPart("\\p\\PB.prt");
  AddBox(*p.pb, 0, 0, 0, 5, 5, 5, "b");
  p.root = &s.NewPart("\\p\\root.prt");
  p.root->AddInstance(Component("\\p\\PA.prt", "A", "机架", 1, 100));
  p.root->AddInstance(Component("\\p\\PB.prt", "B", "机架", bLayer, 200));
  s.SetDisplayed(p.root);
  return p;
}

std::string NameOfTag(tag_t tag) {
  char name[UF_OBJ_NAME_BUFSIZE] = "";
  UF_OBJ_ask_name(tag, name);
  return name;
}

}  // namespace

class AssemblyHelpers : public fabdoc_test::SessionTest {};

TEST_F(AssemblyHelpers, AttributeWrittenOnAnOccurrenceLandsOnPrototypeAndOccurrence) {
  auto p = MakeProduct(session());
  auto occurrences = platform::Occurrences::Get().AllOccurrences(*p.root);
  // A, frame occurrence, C, base occurrence, B, b occurrence.
  auto* frameOcc = dynamic_cast<BodyOccurrence*>(occurrences[1]);
  ASSERT_TRUE(frameOcc);
  kzt::OccurrenceFlags flags;
  kzt::所有实体写属性(flags, frameOcc->GetTag(), "底板", kzt::kPartName);
  EXPECT_TRUE(flags.metOccurrence);
  EXPECT_EQ(*p.frameBody->attributes.Find(kzt::kPartName), "底板");
  EXPECT_EQ(*frameOcc->attributes.Find(kzt::kPartName), "底板");
  EXPECT_EQ(kzt::得到体的属性(frameOcc->GetTag(), kzt::kPartName), "底板");
  EXPECT_EQ(kzt::得到体的属性(frameOcc->GetTag(), kzt::kMaterial), "") << "a missing attribute reads empty";

  // A plain body is written once, and colouring reaches every body written.
  static std::vector<std::pair<int, tag_t>> coloured;
  coloured.clear();
  kzt::OccurrenceFlags plainFlags;
  kzt::所有实体写属性(plainFlags, frameOcc->GetTag(), "Q235", kzt::kMaterial, 186,
                     [](int colour, tag_t body) { coloured.emplace_back(colour, body); });
  ASSERT_EQ(coloured.size(), 2u);
  EXPECT_EQ(coloured[0].second, p.frameBody->GetTag()) << "prototype first";
  EXPECT_EQ(coloured[1].second, frameOcc->GetTag());
  coloured.clear();
  kzt::所有实体写属性(plainFlags, p.baseBody->GetTag(), "Q345", kzt::kMaterial, 31,
                     [](int colour, tag_t body) { coloured.emplace_back(colour, body); });
  EXPECT_TRUE(plainFlags.metOccurrence && plainFlags.metPlain);
  EXPECT_EQ(*p.baseBody->attributes.Find(kzt::kMaterial), "Q345")
      << "a list that met both kinds still writes every body";
  EXPECT_EQ(coloured, (std::vector<std::pair<int, tag_t>>{{31, p.baseBody->GetTag()}}));
}

TEST_F(AssemblyHelpers, BodyUnderAssemblyResolvesEveryEntryOfAMixedList) {
  auto p = MakeProduct(session());
  auto occurrences = platform::Occurrences::Get().AllOccurrences(*p.root);
  kzt::OccurrenceFlags flags;
  tag_t body = NULL_TAG;
  kzt::得到装配下的boy(flags, occurrences[1]->GetTag(), body);
  EXPECT_EQ(body, p.frameBody->GetTag());
  kzt::得到装配下的boy(flags, p.baseBody->GetTag(), body);
  EXPECT_EQ(body, p.baseBody->GetTag());
  kzt::得到装配下的boy(flags, occurrences[3]->GetTag(), body);
  EXPECT_EQ(body, p.baseBody->GetTag()) << "after both kinds were met the object is still resolved";
}

TEST_F(AssemblyHelpers, WorkPartBodiesLeaveOutLayer171OnlyInTheWorkPartList) {
  Part& part = session().NewPart("\\p\\w.prt");
  session().SetDisplayed(&part);
  Body& a = AddBox(part, 0, 0, 0, 1, 1, 1, "a");
  Body& hidden = AddBox(part, 5, 0, 0, 1, 1, 1, "hidden");
  hidden.display.layer = kzt::kReservedLayer;
  Body& c = AddBox(part, 9, 0, 0, 1, 1, 1, "c");
  std::vector<tag_t> work;
  kzt::得到工作部件所有的实体(work);
  EXPECT_EQ(work, (std::vector<tag_t>{a.GetTag(), c.GetTag()}));
  std::vector<tag_t> all{12345};
  EXPECT_EQ(kzt::得到工作所有的体(part.GetTag(), all), 1);
  EXPECT_EQ(all, (std::vector<tag_t>{a.GetTag(), hidden.GetTag(), c.GetTag()})) << "cleared first, every layer";
  Part& empty = session().NewPart("\\p\\e.prt");
  EXPECT_EQ(kzt::得到工作所有的体(empty.GetTag(), all), 0);
  EXPECT_TRUE(all.empty());
}

TEST_F(AssemblyHelpers, AssemblyWalkRecordsEachChildAfterItsDescendants) {
  auto p = MakeProduct(session());
  kzt::ComponentWalk walk;
  kzt::ASSEM_cycle_all_part(walk, UF_ASSEM_ask_root_part_occ(p.root->GetTag()));
  EXPECT_EQ(walk.instanceNames, (std::vector<std::string>{"C", "A", "B"}));
  ASSERT_EQ(walk.tags.size(), 3u);
  EXPECT_EQ(NameOfTag(walk.tags[0]), "底座");

  // The drawing walk leaves out layer 171.
  session().Reset();
  auto q = MakeProduct(session(), kzt::kReservedLayer);
  kzt::ComponentWalk drawingWalk;
  drawingWalk.skipReservedAndRepeated = true;
  kzt::ASSEM_cycle_all_part(drawingWalk, UF_ASSEM_ask_root_part_occ(q.root->GetTag()));
  EXPECT_EQ(drawingWalk.instanceNames, (std::vector<std::string>{"C", "A"}));
}

TEST_F(AssemblyHelpers, AllComponentsKeepsTheFirstOfEachName) {
  auto p = MakeProduct(session());
  kzt::ComponentWalk walk;
  std::vector<tag_t> components;
  kzt::得到所有组件的数组(walk, p.root->GetTag(), components);
  // Recorded: C, A (top-level, after its walk), B (top-level); A and B share a name.
  ASSERT_EQ(walk.tags.size(), 3u);
  ASSERT_EQ(components.size(), 2u);
  EXPECT_EQ(NameOfTag(components[0]), "底座");
  EXPECT_EQ(NameOfTag(components[1]), "机架");
  EXPECT_EQ(components[1], walk.tags[1]) << "the first-recorded 机架 is A";
}

TEST_F(AssemblyHelpers, BodiesUnderAComponentDirectOrWithDeeperPrototypes) {
  auto p = MakeProduct(session());
  ComponentOccurrence& root = occurrences().RootOccurrence(*p.root);
  ComponentOccurrence* a = occurrences().Children(root)[0];
  std::vector<tag_t> direct;
  kzt::得到组件下所有的实体(a->GetTag(), direct, kzt::ComponentBodies::Direct);
  ASSERT_EQ(direct.size(), 1u);
  EXPECT_EQ(UF_ASSEM_ask_prototype_of_occ(direct[0]), p.frameBody->GetTag());
  std::vector<tag_t> deep;
  kzt::得到组件下所有的实体(a->GetTag(), deep, kzt::ComponentBodies::Deep);
  ASSERT_EQ(deep.size(), 2u);
  EXPECT_EQ(deep[0], direct[0]) << "own occurrences first";
  EXPECT_EQ(deep[1], p.baseBody->GetTag()) << "then the prototype bodies of deeper levels";
}

TEST_F(AssemblyHelpers, ComponentPathIsItsPartFile) {
  auto p = MakeProduct(session());
  ComponentOccurrence* a = occurrences().Children(occurrences().RootOccurrence(*p.root))[0];
  EXPECT_EQ(kzt::得到新建组件的路径(a->GetTag()), "\\p\\PA.prt");
}
