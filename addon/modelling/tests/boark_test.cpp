// The block with drag handles on the work part: the block feature made when the dialog
// opens, redefined in place by the handles, the base size and the orientation, shown
// translucent until Apply; sizes that are not greater than zero are refused.
#include <NXOpen/ModelingViewCollection.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/View.hxx>

#include "addon/host/tests/journal_fixture.h"
#include "platform/geometry/body.h"
#include "platform/geometry/feature.h"
#include "platform/text/host_path.h"

using namespace platform;
using fabdoc_test::ExpectBox;

class BlockWithHandles : public kzt_test::CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    work = &session().NewPart(ToAbsoluteHostPath(folder + "/block.prt"));
    session().SetDisplayed(work);
  }
  std::vector<Body*> Bodies() {
    std::vector<Body*> bodies;
    for (const auto& object : work->Objects())
      if (auto* body = dynamic_cast<Body*>(object.get())) bodies.push_back(body);
    return bodies;
  }
  Body& OnlyBody() {
    const auto bodies = Bodies();
    EXPECT_EQ(bodies.size(), 1u);
    return *bodies.at(0);
  }
  Part* work = nullptr;
};

TEST_F(BlockWithHandles, OpeningMakesATranslucentCubeAtTheOriginWithHandlesOnItsFaces) {
  Run(u8R"J(
action boark
  expect double0 100
  expect dim_X1 0
  expect dim_X1.ShowHandle true
  expect dim_X1.HandleOrigin 0,50,50
  expect dim_X1.HandleOrientation -1,0,0
  expect dim_X2.HandleOrigin 100,50,50
  expect dim_X2.HandleOrientation 1,0,0
  expect dim_Y1.HandleOrigin 50,0,50
  expect dim_Y2.HandleOrigin 50,100,50
  expect dim_Z1.HandleOrigin 50,50,0
  expect dim_Z1.HandleOrientation 0,0,-1
  expect dim_Z2.HandleOrigin 50,50,100
  cancel
)J");
  Body& body = OnlyBody();
  ExpectBox(body.AxisBox(), {0, 0, 0}, {100, 100, 100});
  EXPECT_NEAR(body.Mass().volume, 1e6, 1e-3);
  EXPECT_EQ(body.display.translucency, 90) << "cancel leaves the block translucent";
  int blocks = 0;
  for (const auto& object : work->Objects())
    if (auto* feature = dynamic_cast<Feature*>(object.get())) blocks += feature->kind == "BLOCK";
  EXPECT_EQ(blocks, 1);
  NXOpen::Part* nxWork = NXOpen::Session::GetSession()->Parts()->Work();
  EXPECT_EQ(nxWork->ModelingViews()->WorkView()->RenderingStyle(), NXOpen::View::RenderingStyleType(0));
}

TEST_F(BlockWithHandles, PlusXHandleKeepsTheCornerAndMinusXHandleMovesIt) {
  Run(u8R"J(
action boark
  set dim_X2 20
  cancel
)J");
  const Tag body = OnlyBody().GetTag();
  ExpectBox(OnlyBody().AxisBox(), {0, 0, 0}, {120, 100, 100});
  Run(u8R"J(
action boark
  set dim_X1 20
  expect dim_X1.HandleOrigin 0,50,50
  cancel
)J");
  ASSERT_EQ(Bodies().size(), 2u) << "each opening makes its own block";
  ExpectBox(Bodies()[0]->AxisBox(), {0, 0, 0}, {120, 100, 100});
  ExpectBox(Bodies()[1]->AxisBox(), {-20, 0, 0}, {100, 100, 100});
  EXPECT_EQ(Bodies()[0]->GetTag(), body);
}

TEST_F(BlockWithHandles, EveryChangeRedefinesTheSameFeatureAndBody) {
  Run(u8R"J(
action boark
  set dim_Y2 30
  set dim_Z1 10
  set dim_Z2 5
  set dim_X2 20
  cancel
)J");
  ASSERT_EQ(work->Objects().size(), 2u) << "one body and its block feature";
  ExpectBox(OnlyBody().AxisBox(), {0, 0, -10}, {120, 130, 105});
}

TEST_F(BlockWithHandles, BaseSizeResetsTheHandlesAndRebuildsACube) {
  Run(u8R"J(
action boark
  set dim_X2 20
  set dim_Y1 7
  set double0 50
  expect dim_X2 0
  expect dim_Y1 0
  expect dim_X2.HandleOrigin 50,25,25
  cancel
)J");
  ExpectBox(OnlyBody().AxisBox(), {0, 0, 0}, {50, 50, 50});
}

TEST_F(BlockWithHandles, OrientationPlacesTheCornerAndZIsXCrossY) {
  Run(u8R"J(
action boark
  set manip0.Origin 10,20,30
  set manip0.YAxis 0,0,1
  set dim_X2 20
  cancel
)J");
  // X along X, Y along Z, so Z = X x Y runs along -Y.
  ExpectBox(OnlyBody().AxisBox(), {10, -80, 30}, {130, 20, 130});
}

TEST_F(BlockWithHandles, TranslucentUntilApplyThenOpaque) {
  Run(u8R"J(
action boark
  set dim_Z2 10
  apply
  cancel
)J");
  EXPECT_EQ(OnlyBody().display.translucency, 0);
  Run(u8R"J(
action boark
  ok
)J");
  for (Body* body : Bodies()) {
    EXPECT_EQ(body->display.translucency, 0);
  }
}

TEST_F(BlockWithHandles, SizesNotGreaterThanZeroAreRefusedAndTheBlockStays) {
  std::string out = RunCapturing(u8R"J(
action boark
  set dim_X2 20
  set double0 0
  set double0 -5
  expect double0 -5
  cancel
)J");
  EXPECT_NE(out.find(Utf8("方块尺寸必须大于零 (基本尺寸 0, 长 0, 宽 0, 高 0), 方块未改变")), std::string::npos) << out;
  EXPECT_NE(out.find(Utf8("方块尺寸必须大于零 (基本尺寸 -5")), std::string::npos) << out;
  ExpectBox(OnlyBody().AxisBox(), {0, 0, 0}, {120, 100, 100});
  EXPECT_EQ(work->Objects().size(), 2u);

  out = RunCapturing(u8R"J(
action boark
  set dim_Y1 -100
  cancel
)J");
  EXPECT_NE(out.find(Utf8("方块尺寸必须大于零 (基本尺寸 100, 长 100, 宽 0, 高 100)")), std::string::npos) << out;
  ASSERT_EQ(Bodies().size(), 2u);
  ExpectBox(Bodies()[1]->AxisBox(), {0, 0, 0}, {100, 100, 100});
}
