// The duplicate-bodies dialog on real bodies: counts, and what Apply hides, colours or
// deletes. Literals are GBK; journal text is UTF-8.
#include "addon/host/tests/journal_fixture.h"
#include "attributes/duplicates.h"

using namespace platform;
using fabdoc_test::AddBox;

class DuplicateBodies : public kzt_test::CommandTest {
protected:
  // A alone; B and C coincide (C is the later copy, so C is the duplicate).
  void SetUp() override {
    CommandTest::SetUp();
    part = &session().NewPart("\\p\\dup.prt");
    session().SetDisplayed(part);
    a = &AddBox(*part, 0, 0, 0, 10, 10, 10, "A");
    b = &AddBox(*part, 100, 0, 0, 10, 10, 10, "B");
    c = &AddBox(*part, 100, 0, 0, 10, 10, 10, "C");
  }
  Part* part = nullptr;
  Body *a = nullptr, *b = nullptr, *c = nullptr;
};

TEST_F(DuplicateBodies, SecondAndThirdCoincidingGiveTwoUniqueAndOneDuplicate) {
  Run(u8R"J(
action delete_xiantong
  select blockxuanzhe body:A body:B body:C
  expect zongsu "2"
  expect chongdie "1"
  cancel
)J");
  EXPECT_EQ(part->Objects().size(), 3u) << "counting changes nothing";
}

TEST_F(DuplicateBodies, DeleteRemovesOnlyTheSurplusCopy) {
  const Tag ta = a->GetTag(), tb = b->GetTag(), tc = c->GetTag();
  Run(u8R"J(
action delete_xiantong
  select blockxuanzhe body:A body:B body:C
  set blocktoggle_debei true
  apply
  cancel
)J");
  EXPECT_NE(session().Find(ta), nullptr);
  EXPECT_NE(session().Find(tb), nullptr);
  EXPECT_EQ(session().Find(tc), nullptr);
  EXPECT_EQ(part->Objects().size(), 2u);
}

TEST_F(DuplicateBodies, HideGivesTheCopyThePickedColourAndBothOffChangeNothing) {
  Run(u8R"J(
action delete_xiantong
  select blockxuanzhe body:A body:B body:C
  apply
  cancel
)J");
  EXPECT_FALSE(c->display.blanked);
  EXPECT_EQ(c->display.color, kDefaultBodyColor);
  EXPECT_EQ(part->Objects().size(), 3u);
  Run(u8R"J(
action delete_xiantong
  select blockxuanzhe body:A body:B body:C
  set blocktoggle0 true
  set colorPicker0 31
  apply
  cancel
)J");
  EXPECT_TRUE(c->display.blanked);
  EXPECT_EQ(c->display.color, 31);
  EXPECT_FALSE(a->display.blanked);
  EXPECT_FALSE(b->display.blanked);
  EXPECT_EQ(b->display.color, kDefaultBodyColor);
  EXPECT_EQ(part->Objects().size(), 3u);
}

TEST_F(DuplicateBodies, KeysRoundToWholeMillimetres) {
  // Boxes from 10.2 and 9.8 both print 10; from 10.4 and 10.6 they print 10 and 11.
  Body& near1 = AddBox(*part, 300.2, 0, 0, 5, 5, 5);
  Body& near2 = AddBox(*part, 299.8, 0, 0, 5.4, 5, 5);
  Body& apart1 = AddBox(*part, 500.4, 0, 0, 5, 5, 5);
  Body& apart2 = AddBox(*part, 500.6, 0, 0, 5, 5, 5);
  auto classes = kzt::classify_by_key({near1.GetTag(), near2.GetTag(), apart1.GetTag(), apart2.GetTag()});
  EXPECT_EQ(classes.unique, (std::vector<tag_t>{near1.GetTag(), apart1.GetTag(), apart2.GetTag()}));
  EXPECT_EQ(classes.duplicate, (std::vector<tag_t>{near2.GetTag()}));
  EXPECT_EQ(kzt::bounding_box_key(near1.GetTag()), "300x0x0-305x5x5");
}

TEST_F(DuplicateBodies, CopiesStraddlingAnAxisShareTheKey) {
  // From x = -0.3 and 0.3 (0.6 apart, like 9.8 and 10.2) the minimum x prints 0 for both:
  // a coordinate that rounds to zero from below carries no sign.
  Body& below = AddBox(*part, -0.3, 200, -0.4, 5, 5, 5, "below");
  Body& above = AddBox(*part, 0.3, 200, 0.2, 5, 5, 5, "above");
  EXPECT_EQ(kzt::bounding_box_key(below.GetTag()), "0x200x0-5x205x5");
  EXPECT_EQ(kzt::bounding_box_key(above.GetTag()), kzt::bounding_box_key(below.GetTag()));
  const Tag belowTag = below.GetTag(), aboveTag = above.GetTag();
  Run(u8R"J(
action delete_xiantong
  select blockxuanzhe body:below body:above
  expect zongsu "1"
  expect chongdie "1"
  set blocktoggle_debei true
  apply
  cancel
)J");
  EXPECT_NE(session().Find(belowTag), nullptr);
  EXPECT_EQ(session().Find(aboveTag), nullptr) << "the later copy was the duplicate";
  // A coordinate that rounds to -1 keeps its sign and separates the bodies.
  Body& further = AddBox(*part, -0.6, 300, 0, 5, 5, 5);
  EXPECT_EQ(kzt::bounding_box_key(further.GetTag()), "-1x300x0-4x305x5");
}
