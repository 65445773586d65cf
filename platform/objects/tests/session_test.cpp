// Tags, deletion and occurrences of the session's object model.
#include <cmath>

#include "platform/assemblies/occurrence.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

using namespace platform;
using fabdoc_test::AddBox;

class SessionModel : public fabdoc_test::SessionTest {};

TEST_F(SessionModel, TagsAreUniqueAndDeletedTagsStayDead) {
  Part& part = session().NewPart("\\tmp\\a.prt");
  Body& a = AddBox(part, 0, 0, 0, 10, 10, 10, "A");
  Body& b = AddBox(part, 20, 0, 0, 10, 10, 10, "B");
  Tag ta = a.GetTag(), tb = b.GetTag();
  EXPECT_NE(ta, tb);
  EXPECT_NE(ta, part.GetTag());
  session().Delete(ta);
  EXPECT_EQ(session().Find(ta), nullptr);
  EXPECT_THROW(session().Require(ta), HostError);
  // A new object never takes the dead tag back.
  Body& c = AddBox(part, 40, 0, 0, 10, 10, 10, "C");
  EXPECT_NE(c.GetTag(), ta);
  EXPECT_EQ(part.Objects().size(), 2u);
  EXPECT_EQ(session().Find(tb), &b);
}

TEST_F(SessionModel, FaceTagsDieWithTheirBodyAndWhenTheShapeChanges) {
  Part& part = session().NewPart("\\tmp\\a.prt");
  Body& box = AddBox(part, 0, 0, 0, 10, 20, 30);
  auto faces = box.FaceTags();
  ASSERT_EQ(faces.size(), 6u);
  EXPECT_EQ(box.EdgeTags().size(), 12u);
  EXPECT_EQ(box.FaceTags(), faces) << "asking twice hands out the same tags";
  box.SetShape(box.Shape());
  EXPECT_EQ(session().Find(faces[0]), nullptr);
  auto again = box.FaceTags();
  session().Delete(box.GetTag());
  EXPECT_EQ(session().Find(again[0]), nullptr);
}

// root -> sub (at x+100) -> leaf (at y+10); leaf holds one body.
struct ThreeLevels {
  Part* root;
  Part* sub;
  Part* leaf;
  Body* body;
};

static ThreeLevels MakeThreeLevels(Session& s) {
  ThreeLevels t{};
  t.leaf = &s.NewPart("\\p\\leaf.prt");
  t.body = &AddBox(*t.leaf, 0, 0, 0, 1, 2, 3, "plate");
  t.sub = &s.NewPart("\\p\\sub.prt");
  Instance li;
  li.partPath = "\\p\\leaf.prt";
  li.instanceName = "LEAF";
  li.transform = Transform::Translation(0, 10, 0);
  t.sub->AddInstance(li);
  t.root = &s.NewPart("\\p\\root.prt");
  Instance si;
  si.partPath = "\\P\\SUB.prt";  // paths match case-insensitively, as on the host
  si.instanceName = "SUB";
  si.transform = Transform::Translation(100, 0, 0);
  t.root->AddInstance(si);
  return t;
}

TEST_F(SessionModel, OccurrencesOfAThreeLevelAssemblyAreStableAndPlaced) {
  auto t = MakeThreeLevels(session());
  auto all = occurrences().AllOccurrences(*t.root);
  // sub, leaf under sub, body of leaf: sub has no bodies of its own.
  ASSERT_EQ(all.size(), 3u);
  auto* subOcc = dynamic_cast<ComponentOccurrence*>(all[0]);
  auto* leafOcc = dynamic_cast<ComponentOccurrence*>(all[1]);
  auto* bodyOcc = dynamic_cast<BodyOccurrence*>(all[2]);
  ASSERT_TRUE(subOcc && leafOcc && bodyOcc);
  EXPECT_EQ(leafOcc->parent, subOcc->GetTag());
  EXPECT_EQ(bodyOcc->prototype, t.body->GetTag());
  EXPECT_EQ(&session().Prototype(*bodyOcc), t.body);
  auto xf = occurrences().AbsoluteTransform(*leafOcc);
  EXPECT_EQ(xf.Apply({0, 0, 0}), (std::array<double, 3>{100, 10, 0}));
  EXPECT_EQ(occurrences().AllOccurrences(*t.root), all) << "a second walk yields the same tags";

  // The same leaf seen from the sub-assembly is another occurrence.
  auto fromSub = occurrences().AllOccurrences(*t.sub);
  ASSERT_EQ(fromSub.size(), 2u);
  EXPECT_NE(fromSub[1]->GetTag(), bodyOcc->GetTag());
}

TEST_F(SessionModel, OccurrenceDisplayAndAttributesFallBackToThePrototype) {
  auto t = MakeThreeLevels(session());
  auto all = occurrences().AllOccurrences(*t.root);
  Object& occ = *all[2];
  t.body->display.color = 31;
  t.body->attributes.Set("DB_PART_NAME", "P");
  EXPECT_EQ(session().DisplayOf(occ).color, 31);
  ASSERT_NE(session().FindAttribute(occ, "DB_PART_NAME"), nullptr);
  session().EditDisplay(occ).color = 186;
  EXPECT_EQ(session().DisplayOf(occ).color, 186);
  EXPECT_EQ(t.body->display.color, 31) << "the prototype keeps its own colour";
  occ.attributes.Set("DB_PART_NAME", "Q");
  EXPECT_EQ(*session().FindAttribute(occ, "DB_PART_NAME"), "Q");
  EXPECT_EQ(*t.body->attributes.Find("DB_PART_NAME"), "P");
}

TEST_F(SessionModel, DeletingABodyOrComponentRemovesItsOccurrences) {
  auto t = MakeThreeLevels(session());
  auto all = occurrences().AllOccurrences(*t.root);
  Tag bodyOcc = all[2]->GetTag();
  EXPECT_THROW(session().Delete(bodyOcc), HostError) << "occurrences are not deleted directly";
  session().Delete(t.body->GetTag());
  EXPECT_EQ(session().Find(bodyOcc), nullptr);
  EXPECT_EQ(occurrences().AllOccurrences(*t.root).size(), 2u);

  Tag leafOcc = all[1]->GetTag();
  session().Delete(leafOcc);  // removes the instance from the sub-assembly
  EXPECT_TRUE(t.sub->Instances().empty());
  EXPECT_EQ(session().Find(leafOcc), nullptr);
  EXPECT_EQ(occurrences().AllOccurrences(*t.root).size(), 1u);
}

TEST_F(SessionModel, ClosingAComponentPartLeavesTheAssemblyWithAnUnloadedComponent) {
  auto t = MakeThreeLevels(session());
  ASSERT_EQ(occurrences().AllOccurrences(*t.root).size(), 3u);
  session().ClosePart(*t.leaf);
  auto all = occurrences().AllOccurrences(*t.root);
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(dynamic_cast<ComponentOccurrence*>(all[1])->part, nullptr);
}

TEST(Transforms, ComposeAndInvert) {
  Transform rz;  // 90 degrees about Z
  rz.rotation = {0, -1, 0, 1, 0, 0, 0, 0, 1};
  rz.translation = {5, 0, 0};
  auto p = rz.Apply({1, 0, 0});
  EXPECT_NEAR(p[0], 5, 1e-12);
  EXPECT_NEAR(p[1], 1, 1e-12);
  auto back = rz.Inverse().Apply(p);
  EXPECT_NEAR(back[0], 1, 1e-12);
  EXPECT_NEAR(back[1], 0, 1e-12);
  auto twice = rz.Then(rz).Apply({1, 0, 0});  // rotate, shift, rotate, shift
  EXPECT_NEAR(twice[0], 5 - 1, 1e-12);
  EXPECT_NEAR(twice[1], 5 + 0, 1e-12);
}

// Parts found by path, file name or stem give what a walk over the open parts gives: the
// first part opened that has the name, also after renames and closes reorder the names.
TEST_F(SessionModel, PartsFoundByAnyNameMatchAWalkOverTheOpenParts) {
  auto walk = [&](const std::string& name) -> Part* {
    for (const auto& part : session().Parts())
      if (SameHostPath(part->path, name) || SameHostPath(HostFileName(part->path), name) ||
          SameHostPath(HostFileStem(part->path), name))
        return part.get();
    return nullptr;
  };
  const std::vector<std::string> names = {"x.prt", "X", "x.asm", "\\Q\\X.prt", "/q/x.prt", "y",   "\\p\\y.prt",
                                          "w.prt", "w", "\\s\\x.prt", "z",   "\\p\\x.prt", "",   "\\t\\x.prt"};
  auto agree = [&](const char* step) {
    for (const std::string& name : names) EXPECT_EQ(session().FindPartByAnyName(name), walk(name)) << step << ": " << name;
  };
  Part& a = session().NewPart("\\p\\x.prt");
  Part& b = session().NewPart("\\q\\X.PRT");
  session().NewPart("\\r\\x.asm");
  Part& d = session().NewPart("\\p\\y.prt");
  agree("opened");
  EXPECT_EQ(session().FindPartByAnyName("x"), &a) << "the stem of three parts names the first opened";

  session().Repath(a, "\\s\\z.prt");
  agree("first renamed away");
  EXPECT_EQ(session().FindPartByAnyName("x.prt"), &b);
  session().Repath(a, "\\s\\x.prt");
  agree("first renamed back");
  EXPECT_EQ(session().FindPartByAnyName("X.prt"), &a) << "a rename keeps the part's place among those of its name";

  session().Repath(d, "\\p\\x.prt");
  session().NewPart("\\t\\x.prt");
  agree("last renamed onto the name, another opened");
  session().ClosePart(a);
  agree("first closed");
  session().Repath(b, "\\q\\w.prt");
  agree("second renamed");
  EXPECT_EQ(session().FindPartByAnyName("x.prt"), &d) << "the part renamed onto the name before the one opened after";
  EXPECT_EQ(session().FindPartByAnyName("W"), &b) << "found by its new stem";
  EXPECT_EQ(session().FindPartByFileName("x.prt"), &d);
}
