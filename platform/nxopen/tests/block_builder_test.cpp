// The block feature builder through the object interface: a new block, a redefinition
// that keeps the feature and body tags, refused lengths that change nothing, and the
// display modification's translucency.
#include <memory>

#include <gtest/gtest.h>

#include <NXOpen/Body.hxx>
#include <NXOpen/DisplayModification.hxx>
#include <NXOpen/Features_BodyFeature.hxx>
#include <NXOpen/Features_FeatureCollection.hxx>
#include <NXOpen/NXException.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/Session.hxx>

#include "tests/support/api_fixture.h"

namespace {

using namespace NXOpen;

class BlockBuilder : public fabdoc_test::ApiTest {
protected:
  void SetUp() override {
    ApiTest::SetUp();
    part_ = &session().NewPart(fabdoc_test::FreshDir("block_builder") + "/block.prt");
    session().SetDisplayed(part_);
    work_ = Session::GetSession()->Parts()->Work();
  }
  Features::Feature* Build(Features::Feature* edited, const char* length, Point3d origin = {},
                           Vector3d x = {1, 0, 0}, Vector3d y = {0, 1, 0}) {
    Features::BlockFeatureBuilder* builder = work_->Features()->CreateBlockFeatureBuilder(edited);
    builder->SetOrigin(origin);
    builder->SetOrientation(x, y);
    builder->SetLength(length);
    builder->SetWidth("20");
    builder->SetHeight("30");
    try {
      Features::Feature* made = builder->CommitFeature();
      builder->Destroy();
      return made;
    } catch (...) {
      builder->Destroy();
      throw;
    }
  }
  platform::Part* part_ = nullptr;
  Part* work_ = nullptr;
};

TEST_F(BlockBuilder, RedefinitionKeepsTagsAndRefusedLengthsChangeNothing) {
  Features::Feature* block = Build(nullptr, "10", {5, 0, 0}, {0, 1, 0}, {-1, 0, 0});
  auto bodies = dynamic_cast<Features::BodyFeature*>(block)->GetBodies();
  ASSERT_EQ(bodies.size(), 1u);
  auto& body = session().RequireAs<platform::Body>(bodies[0]->Tag(), "a body");
  // X along Y, Y along -X, Z up: 10 along Y, 20 along -X.
  fabdoc_test::ExpectBox(body.AxisBox(), {-15, 0, 0}, {5, 10, 30});

  EXPECT_EQ(Build(block, "40.5"), block);
  EXPECT_EQ(dynamic_cast<Features::BodyFeature*>(block)->GetBodies(), bodies);
  fabdoc_test::ExpectBox(body.AxisBox(), {0, 0, 0}, {40.5, 20, 30});

  EXPECT_THROW(Build(block, "0"), NXException);
  EXPECT_THROW(Build(block, "-3"), NXException);
  EXPECT_THROW(Build(block, "ten"), NXException);
  EXPECT_THROW(Build(block, "10", {}, {1, 0, 0}, {2, 0, 0}), NXException);
  fabdoc_test::ExpectBox(body.AxisBox(), {0, 0, 0}, {40.5, 20, 30});
  EXPECT_EQ(part_->Objects().size(), 2u);
}

TEST_F(BlockBuilder, TranslucencyIsCheckedAndLeavesTheColour) {
  Features::Feature* block = Build(nullptr, "10");
  auto bodies = dynamic_cast<Features::BodyFeature*>(block)->GetBodies();
  auto& body = session().RequireAs<platform::Body>(bodies[0]->Tag(), "a body");
  std::unique_ptr<DisplayModification> modification(Session::GetSession()->DisplayManager()->NewDisplayModification());
  modification->SetApplyToAllFaces(true);
  modification->SetNewTranslucency(90);
  modification->Apply({bodies[0]});
  EXPECT_EQ(body.display.translucency, 90);
  EXPECT_EQ(body.display.color, platform::kDefaultBodyColor);
  modification->SetNewTranslucency(101);
  EXPECT_THROW(modification->Apply({bodies[0]}), NXException);
  EXPECT_EQ(body.display.translucency, 90);
}

}  // namespace
