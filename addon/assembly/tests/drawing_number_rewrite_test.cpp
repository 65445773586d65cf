// Drawing-number rewrite: the leading segment replaced on bodies of the work part and its
// components, components marked from their names, and refused texts that change nothing.
// Journal text is UTF-8; literals here are GBK.
#include "addon/host/tests/journal_fixture.h"
#include "assembly/drawing_number_rewrite.h"
#include "host/attribute_vocabulary.h"
#include "platform/assemblies/occurrence.h"
#include "platform/files/part_file.h"
#include "platform/text/host_path.h"

using namespace platform;
using fabdoc_test::AddBox;

TEST(DrawingNumberText, OnlyTheLeadingSegmentDecidesAndIsReplaced) {
  EXPECT_EQ(kzt::rewritten_number("A12-5-3", "A", "B"), "B-5-3");
  EXPECT_EQ(kzt::rewritten_number("XA1-7", "A", "B"), "B-7") << "contained anywhere in the segment";
  EXPECT_EQ(kzt::rewritten_number("X-A-3", "A", "B"), std::nullopt) << "a match after the first dash is none";
  EXPECT_EQ(kzt::rewritten_number("A12", "A", "B"), std::nullopt) << "no dash, never rewritten";
  EXPECT_EQ(kzt::rewritten_number("12-3", "", "B"), "B-3") << "an empty old text matches every segment";
  EXPECT_EQ(kzt::rewritten_number("A12-", "A", "B"), "B-");
  EXPECT_EQ(kzt::rewritten_number("空-1", "空", "P"), "P-1");
  // GBK bytes: a trail byte is never "-", so a Chinese segment splits whole.
  EXPECT_EQ(kzt::rewritten_number("底板-3", "底", "Q"), "Q-3");
}

TEST(DrawingNumberText, ComponentNamesSplitAtTheirFirstDash) {
  const auto plate = kzt::split_component_name("底板-3-1");
  EXPECT_EQ(plate.partName, "底板");
  EXPECT_EQ(plate.number, "3-1");
  const auto beam = kzt::split_component_name("横梁");
  EXPECT_EQ(beam.partName, "横梁");
  EXPECT_EQ(beam.number, "");
}

TEST(DrawingNumberText, TextsThatCannotRewriteAreNamed) {
  EXPECT_EQ(kzt::rewrite_input_fault("A", "B"), "");
  EXPECT_EQ(kzt::rewrite_input_fault("", "B"), "");
  EXPECT_EQ(kzt::rewrite_input_fault("A", ""), "请输入新图号前缀!");
  EXPECT_EQ(kzt::rewrite_input_fault("A", "B-1"), "新图号前缀不能含有\"-\": B-1");
  EXPECT_EQ(kzt::rewrite_input_fault("A-1", "B"), "原图号前缀不能含有\"-\": A-1");
}

class DrawingNumberRewrite : public kzt_test::CommandTest {
protected:
  // 总装-0 holds 板 (A12-7), 杂 (X-A-3), 号 (A12, no dash) and 空白 (no number) of its own,
  // two components 底板-3-1 of part 底板 (body 底 numbered A12-5-3) and one 横梁 of part
  // 横梁 (body 梁 numbered 空-2-1).
  void SetUp() override {
    CommandTest::SetUp();
    Part& platePart = session().NewPart(HostPath("底板.prt"));
    plateBody = &Numbered(AddBox(platePart, 0, 0, 0, 300, 200, 10, "底"), "A12-5-3");
    files::SavePart(platePart, platePart.path);
    Part& beamPart = session().NewPart(HostPath("横梁.prt"));
    beamBody = &Numbered(AddBox(beamPart, 0, 0, 0, 900, 80, 40, "梁"), "空-2-1");
    files::SavePart(beamPart, beamPart.path);
    root = &session().NewPart(HostPath("总装-0.prt"));
    own = &Numbered(AddBox(*root, 0, 0, -10, 500, 500, 10, "板"), "A12-7");
    stray = &Numbered(AddBox(*root, 0, 600, 0, 10, 10, 10, "杂"), "X-A-3");
    plain = &Numbered(AddBox(*root, 0, 700, 0, 10, 10, 10, "号"), "A12");
    blank = &AddBox(*root, 0, 800, 0, 10, 10, 10, "空白");
    AddComponent(platePart, "底板-3-1", 1000);
    AddComponent(platePart, "底板-3-1", 2000);
    AddComponent(beamPart, "横梁", 3000);
    files::SavePart(*root, root->path);
    session().SetDisplayed(root);
  }
  void AddComponent(Part& child, const std::string& name, double x) {
    fabdoc_test::AddInstance(*root, child.path, name, Transform::Translation(x, 0, 0));
  }
  Body& Numbered(Body& body, const std::string& number) {
    body.attributes.Set(kzt::kPartNo, number);
    return body;
  }
  std::vector<ComponentOccurrence*> Components() {
    return occurrences().Children(occurrences().RootOccurrence(*root));
  }
  std::vector<Object*> OccurrencesOf(Body& prototype) {
    std::vector<Object*> found;
    for (Object* o : occurrences().AllOccurrences(*root))
      if (o->Prototype() == &prototype) found.push_back(o);
    return found;
  }
  static std::string Attribute(Object& object, const char* title) {
    const std::string* value = Session::Get().FindAttribute(object, title);
    return value ? *value : std::string("<none>");
  }
  Part* root = nullptr;
  Body *plateBody = nullptr, *beamBody = nullptr, *own = nullptr, *stray = nullptr, *plain = nullptr,
       *blank = nullptr;
};

TEST_F(DrawingNumberRewrite, LeadingSegmentIsReplacedAndComponentsAreMarkedFromTheirNames) {
  Run(u8R"J(
action tuhao_xiegai
  expect stringss_qian "空"
  expect stringss_hou ""
  set stringss_qian "A"
  set stringss_hou "B"
  ok
)J");
  EXPECT_EQ(Attribute(*own, kzt::kPartNo), "B-7");
  EXPECT_EQ(Attribute(*plateBody, kzt::kPartNo), "B-5-3") << "the prototype follows its occurrence";
  for (Object* o : OccurrencesOf(*plateBody)) EXPECT_EQ(Attribute(*o, kzt::kPartNo), "B-5-3");
  EXPECT_EQ(Attribute(*stray, kzt::kPartNo), "X-A-3") << "A only after the first dash";
  EXPECT_EQ(Attribute(*plain, kzt::kPartNo), "A12") << "no dash";
  EXPECT_EQ(Attribute(*blank, kzt::kPartNo), "<none>") << "no number, none written";
  EXPECT_EQ(Attribute(*beamBody, kzt::kPartNo), "空-2-1");
  const auto components = Components();
  ASSERT_EQ(components.size(), 3u);
  EXPECT_EQ(Attribute(*components[0], kzt::kPartName), "底板");
  EXPECT_EQ(Attribute(*components[0], kzt::kPartNo), "3-1");
  EXPECT_EQ(Attribute(*components[1], kzt::kPartName), "<none>") << "the second of the same name is left";
  EXPECT_EQ(Attribute(*components[1], kzt::kPartNo), "<none>");
  EXPECT_EQ(Attribute(*components[2], kzt::kPartName), "横梁");
  EXPECT_EQ(Attribute(*components[2], kzt::kPartNo), "") << "a name without a dash: empty number";
}

TEST_F(DrawingNumberRewrite, TheInitialOldTextRewritesOnlyNumbersHoldingIt) {
  Run(u8R"J(
action tuhao_xiegai
  set stringss_hou "P"
  ok
)J");
  EXPECT_EQ(Attribute(*beamBody, kzt::kPartNo), "P-2-1");
  EXPECT_EQ(Attribute(*own, kzt::kPartNo), "A12-7");
  EXPECT_EQ(Attribute(*plateBody, kzt::kPartNo), "A12-5-3");
}

TEST_F(DrawingNumberRewrite, AnEmptyOldTextRewritesEveryNumberWithADash) {
  Run(u8R"J(
action tuhao_xiegai
  set stringss_qian ""
  set stringss_hou "C"
  apply
  cancel
)J");
  EXPECT_EQ(Attribute(*own, kzt::kPartNo), "C-7");
  EXPECT_EQ(Attribute(*stray, kzt::kPartNo), "C-A-3");
  EXPECT_EQ(Attribute(*plateBody, kzt::kPartNo), "C-5-3");
  EXPECT_EQ(Attribute(*beamBody, kzt::kPartNo), "C-2-1");
  EXPECT_EQ(Attribute(*plain, kzt::kPartNo), "A12");
}

TEST_F(DrawingNumberRewrite, RefusedTextsSayWhyAndChangeNothing) {
  root->modified = false;
  Run(u8R"J(
action tuhao_xiegai
  set stringss_qian "A"
  ok
  expect message "请输入新图号前缀!"
  set stringss_hou "B-1"
  apply
  expect message "新图号前缀不能含有\"-\": B-1"
  set stringss_qian "A12-5"
  set stringss_hou "B"
  apply
  expect message "原图号前缀不能含有\"-\": A12-5"
  cancel
)J");
  EXPECT_EQ(Attribute(*own, kzt::kPartNo), "A12-7");
  EXPECT_EQ(Attribute(*plateBody, kzt::kPartNo), "A12-5-3");
  for (ComponentOccurrence* c : Components()) EXPECT_EQ(Attribute(*c, kzt::kPartNo), "<none>");
  EXPECT_FALSE(root->modified);
}
