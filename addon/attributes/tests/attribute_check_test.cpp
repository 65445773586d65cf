// The attribute check on real bodies: the mass bound on a body whose geometry was edited
// after its attributes were written, bodies without attributes, what stays visible, and
// re-checking on every selection change. Journal text is UTF-8; literals are GBK.
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepPrimAPI_MakeBox.hxx>

#include "addon/host/tests/journal_fixture.h"
#include "attributes/attribute_check.h"
#include "attributes/stock_text.h"
#include "host/attribute_vocabulary.h"

using namespace platform;
using fabdoc_test::AddBox;

namespace {

// A bar of section 20 x 25 mm weighs 3.9 g per mm at 7.8 g/cm^3.
constexpr double kSectionArea = 20.0 * 25.0;
double LengthOf(double grams) { return grams / (kSteelDensity * kSectionArea); }

}  // namespace

class AttributeCheck : public kzt_test::CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    part = &session().NewPart("\\p\\check.prt");
    session().SetDisplayed(part);
    // 杆 weighs 125.0 g when its attributes are written.
    bar = &AddBox(*part, 0, 0, 0, 20, 25, barLength, "杆");
    Written(*bar);
    good = &AddBox(*part, 100, 0, 0, 10, 10, 10, "好");
    Written(*good);
    bare = &AddBox(*part, 200, 0, 0, 10, 10, 10, "无");
  }
  // The part name and the envelope text as the writer records them, from the measured mass.
  void Written(Body& body) {
    body.attributes.Set(kzt::kPartName, body.name);
    body.attributes.Set(kzt::kEnvelope, kzt::format_envelope(10, 20, 30, 10, kzt::checked_mass(body.GetTag())));
  }
  // Lengthens the bar by welding a piece of the same section onto its end, so that it
  // weighs `grams` in all.
  void EditBarTo(double grams) {
    const double extra = LengthOf(grams) - barLength;
    TopoDS_Shape piece = BRepPrimAPI_MakeBox(gp_Pnt(0, 0, barLength), 20, 25, extra).Shape();
    BRepAlgoAPI_Fuse fuse(bar->Shape(), piece);
    ASSERT_TRUE(fuse.IsDone());
    bar->SetShape(fuse.Shape());
    barLength += extra;
    ASSERT_NEAR(kzt::checked_mass(bar->GetTag()), grams, 1e-6);
  }
  Part* part = nullptr;
  double barLength = LengthOf(125.0);
  Body *bar = nullptr, *good = nullptr, *bare = nullptr;
};

TEST_F(AttributeCheck, TheBoundIsThreeGramsEitherWay) {
  EXPECT_FALSE(kzt::mass_changed(125.0, 127.9));
  EXPECT_FALSE(kzt::mass_changed(125.0, 128.0)) << "the bound itself is no change";
  EXPECT_TRUE(kzt::mass_changed(125.0, 128.1));
  EXPECT_FALSE(kzt::mass_changed(125.0, 122.1));
  EXPECT_TRUE(kzt::mass_changed(125.0, 121.9)) << "lighter counts too";
}

TEST_F(AttributeCheck, EditedBarIsChangedOnlyBeyondTheBound) {
  EXPECT_EQ(*session().FindAttribute(*bar, kzt::kEnvelope), "10,20-30-10.0,125.0");
  EditBarTo(127.9);
  Run(u8R"J(
action attr_jiancha
  select blockxuanzhe body:杆 body:好
  expect blockgai "0"
  expect blockwu "0"
  cancel
)J");
  EditBarTo(128.1);
  Run(u8R"J(
action attr_jiancha
  select blockxuanzhe body:杆 body:好
  expect blockgai "1"
  expect blockwu "0"
  cancel
)J");
  EXPECT_EQ(*session().FindAttribute(*bar, kzt::kEnvelope), "10,20-30-10.0,125.0") << "the check writes nothing";
}

TEST_F(AttributeCheck, MissingNameOrEnvelopeCountsAsWithoutAttributes) {
  Body& nameOnly = AddBox(*part, 300, 0, 0, 10, 10, 10, "名");
  nameOnly.attributes.Set(kzt::kPartName, "名");
  Body& envelopeOnly = AddBox(*part, 400, 0, 0, 10, 10, 10, "包");
  envelopeOnly.attributes.Set(kzt::kEnvelope, "10,10-10-10.0,7.8");
  // An envelope text without a mass reads 0 and so counts as changed.
  Body& garbled = AddBox(*part, 500, 0, 0, 10, 10, 10, "乱");
  garbled.attributes.Set(kzt::kPartName, "乱");
  garbled.attributes.Set(kzt::kEnvelope, "已测量");
  Run(u8R"J(
action attr_jiancha
  select blockxuanzhe body:名 body:包 body:无 body:乱 body:好
  expect blockwu "3"
  expect blockgai "1"
  cancel
)J");
  const auto check = kzt::check_attributes({nameOnly.GetTag(), garbled.GetTag(), bare->GetTag(), good->GetTag()});
  EXPECT_EQ(check.bodies_without_attributes, (std::vector<tag_t>{nameOnly.GetTag(), bare->GetTag()}));
  EXPECT_EQ(check.changed_bodies, (std::vector<tag_t>{garbled.GetTag()}));
}

TEST_F(AttributeCheck, WithBothTogglesOffEverySelectedBodyEndsHidden) {
  EditBarTo(130.0);
  Body& other = AddBox(*part, 300, 0, 0, 10, 10, 10, "外");
  Run(u8R"J(
action attr_jiancha
  select blockxuanzhe body:杆 body:好 body:无
  apply
  expect blockgai "1"
  expect blockwu "1"
  cancel
)J");
  EXPECT_TRUE(bar->display.blanked);
  EXPECT_TRUE(good->display.blanked);
  EXPECT_TRUE(bare->display.blanked);
  EXPECT_FALSE(other.display.blanked) << "not selected";
  EXPECT_EQ(bar->display.color, kDefaultBodyColor);
}

TEST_F(AttributeCheck, TogglesShowEachKindInItsPickedColour) {
  EditBarTo(130.0);
  Run(u8R"J(
action attr_jiancha
  set blocktoggle_wu true
  set colorPicker_wu 55
  set blocktoggle_gai true
  set colorPicker_gai 31
  select blockxuanzhe body:杆 body:好 body:无
  apply
  cancel
)J");
  EXPECT_FALSE(bar->display.blanked);
  EXPECT_EQ(bar->display.color, 31);
  EXPECT_FALSE(bare->display.blanked);
  EXPECT_EQ(bare->display.color, 55);
  EXPECT_TRUE(good->display.blanked) << "nothing to attend to";
  EXPECT_EQ(good->display.color, kDefaultBodyColor);
  // Only the changed bodies asked for: the body without attributes stays hidden.
  bare->display.color = kDefaultBodyColor;
  Run(u8R"J(
action attr_jiancha
  set blocktoggle_gai true
  select blockxuanzhe body:杆 body:无
  cancel
)J");
  EXPECT_FALSE(bar->display.blanked);
  EXPECT_TRUE(bare->display.blanked);
  EXPECT_EQ(bare->display.color, kDefaultBodyColor);
}

TEST_F(AttributeCheck, ChangingTheSelectionRechecksAndShowsBodiesLeftOut) {
  Body& hiddenBefore = AddBox(*part, 300, 0, 0, 10, 10, 10, "藏");
  Run(u8R"J(
action attr_jiancha
  select blockxuanzhe body:好 body:无
  expect blockwu "1"
  select blockxuanzhe body:无
  expect blockwu "1"
  expect blockgai "0"
  cancel
)J");
  EXPECT_FALSE(good->display.blanked) << "left the selection, shown again";
  EXPECT_TRUE(bare->display.blanked);
  hiddenBefore.display.blanked = true;
  Run(u8R"J(
action attr_jiancha
  select blockxuanzhe body:藏 body:好
  select blockxuanzhe body:好
  cancel
)J");
  EXPECT_TRUE(hiddenBefore.display.blanked) << "hidden by the user, not by the check";
  EXPECT_TRUE(good->display.blanked);
}

TEST_F(AttributeCheck, ApplyWithNothingSelectedSaysSoAndHidesNothing) {
  Run(u8R"J(
action attr_jiancha
  apply
  expect message "请选择体!"
  cancel
)J");
  EXPECT_FALSE(bar->display.blanked);
  EXPECT_FALSE(good->display.blanked);
}
