// Names of component files and the assembly queries of batch component creation.
// Literals are GBK, like the add-on's.
#include <filesystem>
#include <fstream>

#include "addon/host/tests/framework_fixture.h"
#include "assembly/component_names.h"
#include "assembly/component_queries.h"
#include "host/attribute_vocabulary.h"
#include "host/object_attributes.h"
#include "platform/assemblies/occurrence.h"
#include "platform/text/host_path.h"

using namespace platform;
using fabdoc_test::AddBox;

namespace {

// A component of `root` showing a new part "\p\<stem>.prt" with `bodies` boxes.
Part& AddComponent(Session& s, Part& root, const std::string& stem, int bodies) {
  Part& part = s.NewPart("\\p\\" + stem + ".prt");
  for (int i = 0; i < bodies; ++i) AddBox(part, 20.0 * i, 0, 0, 10, 10, 10, "b" + std::to_string(i));
  fabdoc_test::AddInstance(root, part.path, stem);
  return part;
}

std::vector<std::string> Stems(const std::vector<tag_t>& components) {
  std::vector<std::string> stems;
  for (tag_t c : components) stems.push_back(kzt::component_stem(c));
  return stems;
}

}  // namespace

TEST(ComponentNames, PartNameParentNumberAndNewNames) {
  EXPECT_EQ(kzt::part_name_of_component("底板-3-1"), "底板");
  EXPECT_EQ(kzt::part_name_of_component("底板-1"), "底板");
  EXPECT_EQ(kzt::part_name_of_component("底板"), "底板");
  EXPECT_EQ(kzt::part_name_of_component("P-机架-1"), "机架");

  EXPECT_EQ(kzt::parent_number("机架-3").suffix, "3");
  EXPECT_TRUE(kzt::parent_number("机架-3").processed);
  EXPECT_EQ(kzt::parent_number("机架-x").suffix, "") << "a tail that is not a number gives no suffix";
  EXPECT_FALSE(kzt::parent_number("机架").processed) << "no number, no assembly: not a parent";
  EXPECT_TRUE(kzt::parent_number("总装配").processed);
  EXPECT_FALSE(kzt::parent_number("机架数模-3").processed);

  EXPECT_EQ(kzt::batch_component_name("底板", "机架-3", "3", 1), "底板-3-1");
  EXPECT_EQ(kzt::batch_component_name("底板", "总装配-2", "2", 1), "底板-1") << "assembly parents add no number";
  EXPECT_TRUE(kzt::all_digits("12"));
  EXPECT_FALSE(kzt::all_digits("1a"));
  EXPECT_EQ(kzt::leading_value("12ab"), 12);
  EXPECT_EQ(kzt::leading_value("ab"), 0);
}

class ComponentQueries : public kzt_test::HostTest {};

TEST_F(ComponentQueries, ParentsAreMultiBodyComponentsNumberedInAscendingOrder) {
  Part& root = session().NewPart("\\p\\root.prt");
  session().SetDisplayed(&root);
  AddComponent(session(), root, "A-2", 2);
  AddComponent(session(), root, "B-10", 3);
  AddComponent(session(), root, "C-1", 2);
  AddComponent(session(), root, "D", 2);
  AddComponent(session(), root, "E-x", 2);
  AddComponent(session(), root, "F-5", 1);
  std::vector<tag_t> parents;
  kzt::得到组件的tag(parents);
  EXPECT_EQ(Stems(parents), (std::vector<std::string>{"C-1", "A-2", "B-10"}));
}

TEST_F(ComponentQueries, ComponentsWithoutANumberAreNoParentsBesideOneNumberedZero) {
  // "No digits gives 0" must not make 机架-x, 机架- or D match the number of 支架-0.
  Part& root = session().NewPart("\\p\\root.prt");
  session().SetDisplayed(&root);
  AddComponent(session(), root, "机架-x", 2);
  AddComponent(session(), root, "支架-0", 2);
  AddComponent(session(), root, "D", 2);
  AddComponent(session(), root, "机架-", 2);
  AddComponent(session(), root, "底座-2", 2);
  std::vector<tag_t> parents;
  kzt::得到组件的tag(parents);
  EXPECT_EQ(Stems(parents), (std::vector<std::string>{"支架-0", "底座-2"}));
  EXPECT_EQ(kzt::component_number("支架-0"), 0);
  EXPECT_EQ(kzt::component_number("12"), 12) << "a name of digits only is its own number";
  EXPECT_EQ(kzt::component_number("机架-x"), std::nullopt);
  EXPECT_EQ(kzt::component_number("机架-"), std::nullopt);
}

TEST_F(ComponentQueries, BodiesForDrawingsAreMadeToDrawingUnnumberedAndOnePerName) {
  Part& root = session().NewPart("\\p\\root.prt");
  session().SetDisplayed(&root);
  Part& part = AddComponent(session(), root, "机架-3", 0);
  auto body = [&](const char* name, const char* remark, const char* number) {
    Body& b = AddBox(part, part.Objects().size() * 20.0, 0, 0, 10, 10, 10);
    b.attributes.Set(kzt::kPartName, name);
    b.attributes.Set(kzt::kRemark, remark);
    b.attributes.Set(kzt::kPartNo, number);
    return b.pid;
  };
  body("底板", "按图制作", "1");
  body("螺栓", "外购件", "1");
  body("立柱", "按图制作", "P-3-2");
  body("立柱", "按图制作", "1");
  body("立柱", "按图制作", "1");
  auto component = occurrences().Children(occurrences().RootOccurrence(root)).front();
  std::vector<tag_t> bodies;
  kzt::得到出图的体(component->GetTag(), bodies);
  ASSERT_EQ(bodies.size(), 2u);
  EXPECT_EQ(kzt::得到体的属性(bodies[0], kzt::kPartName), "底板");
  EXPECT_EQ(kzt::得到体的属性(bodies[1], kzt::kPartName), "立柱");
  EXPECT_EQ(&session().Prototype(session().Require(bodies[1])), part.Objects()[3].get())
      << "the first 立柱 without a numbered drawing";
}

TEST_F(ComponentQueries, PartNamesOfComponentsAndSubComponents) {
  Part& root = session().NewPart("\\p\\root.prt");
  session().SetDisplayed(&root);
  Part& parent = AddComponent(session(), root, "机架-3", 2);
  for (const char* stem : {"底板-3-1", "立柱-3-2"}) {
    Part& child = session().NewPart(std::string("\\p\\") + stem + ".prt");
    AddBox(child, 0, 0, 0, 1, 1, 1);
    fabdoc_test::AddInstance(parent, child.path, stem);
  }
  AddComponent(session(), root, "底板-1", 1);
  std::vector<std::string> names;
  kzt::得到所有组件的名称(names);
  // Walk order: 底板-3-1, 立柱-3-2, 机架-3, 底板-1.
  EXPECT_EQ(names, (std::vector<std::string>{"底板", "立柱", "机架", "底板"}));
  auto machine = occurrences().Children(occurrences().RootOccurrence(root)).front();
  std::vector<tag_t> subs;
  kzt::得到组件下的组件(machine->GetTag(), subs);
  EXPECT_EQ(Stems(subs), (std::vector<std::string>{"底板-3-1", "立柱-3-2"}));
}

TEST_F(ComponentQueries, OpenPartsAreFoundByFileNameWithItsEnding) {
  session().NewPart("\\p\\临时组件-001.prt");
  int status = 0;
  kzt::遍历内存("临时组件-001.prt", status);
  EXPECT_EQ(status, 10);
  kzt::遍历内存("临时组件-001", status);
  EXPECT_EQ(status, 100) << "without its ending the name is not an open part's";
}

TEST_F(ComponentQueries, FilesUnderAFolderIncludeSubFolders) {
  namespace fs = std::filesystem;
  const std::string dir = fabdoc_test::FreshDir("component-files");
  const std::string utf8 = text::ToUtf8("底板-3-1.prt");
  fs::create_directories(dir + "/sub");
  std::ofstream(dir + "/" + utf8) << "x";
  std::ofstream(dir + "/sub/b.prt") << "x";
  std::vector<std::string> files;
  const std::string folder = ToHostPath(dir);
  kzt::得到目录下所有文件名(folder, files);
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{folder + "\\sub\\b.prt", folder + "\\底板-3-1.prt"}));
}
