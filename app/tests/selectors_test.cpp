// Selectors against a real assembly: frame.prt holds two plates and two components.
#include <gtest/gtest.h>

#include "app/journal/selectors.h"
#include "platform/assemblies/occurrence.h"
#include "platform/drafting/drawing.h"
#include "platform/text/gbk.h"
#include "tests/support/test_model.h"

using namespace platform;
using fabdoc::app::journal::ResolveSelector;

namespace {

class Selectors : public fabdoc_test::SessionTest {
protected:
  // frame: plates "P1", "P2", "P2" (the second with REMARK=外购件) and components LEG1,
  // LEG2 of leg.prt (body "tube"), which holds the component 脚 of foot.prt (body "pad").
  void SetUp() override {
    SessionTest::SetUp();
    Part& foot = session().NewPart("\\t\\foot.prt");
    pad = &fabdoc_test::AddBox(foot, 0, 0, 0, 5, 5, 1, "pad");
    Part& leg = session().NewPart("\\t\\leg.prt");
    tube = &fabdoc_test::AddRectTube(leg, 40, 40, 3, 500, "tube");
    frame = &session().NewPart("\\t\\frame.prt");
    p1 = &fabdoc_test::AddBox(*frame, 0, 0, 0, 100, 50, 8, "P1");
    p2a = &fabdoc_test::AddBox(*frame, 0, 100, 0, 100, 50, 8, "P2");
    p2b = &fabdoc_test::AddBox(*frame, 0, 200, 0, 100, 50, 8, "P2");
    p2b->attributes.Set("REMARK", text::ToGbk("外购件"));
    Instance leg1, leg2, footInstance;
    leg1.partPath = leg2.partPath = leg.path;
    leg1.instanceName = "LEG1";
    leg2.instanceName = "LEG2";
    frame->AddInstance(leg1);
    frame->AddInstance(leg2);
    footInstance.partPath = foot.path;
    footInstance.instanceName = text::ToGbk("脚");
    leg.AddInstance(footInstance);
    auto& sheet = static_cast<DrawingSheet&>(frame->Add(std::make_unique<DrawingSheet>()));
    sheet.name = "SHT1";
    auto& view = static_cast<DraftingView&>(frame->Add(std::make_unique<DraftingView>()));
    view.name = "TOP";
    view.sheetPid = sheet.pid;
    session().SetDisplayed(frame);
  }

  std::string Error(const std::string& selector) {
    try {
      ResolveSelector(selector);
    } catch (const std::exception& e) {
      return e.what();
    }
    return "";
  }

  Part* frame = nullptr;
  Body *p1 = nullptr, *p2a = nullptr, *p2b = nullptr, *tube = nullptr, *pad = nullptr;
};

}  // namespace

TEST_F(Selectors, BodiesByNameInTheWorkPartAndByInstancePath) {
  EXPECT_EQ(ResolveSelector("body:P1"), std::vector<Tag>{p1->GetTag()});
  EXPECT_EQ(ResolveSelector("body:P2#2"), std::vector<Tag>{p2b->GetTag()});
  EXPECT_NE(Error("body:P2").find("matches 2 bodies; add #N"), std::string::npos);
  EXPECT_NE(Error("body:P2#3").find("only 2 bodies"), std::string::npos);
  EXPECT_EQ(Error("body:P9"), "selector body:P9 matches no solid body");

  // An occurrence body: seen through LEG2, its prototype is leg.prt's tube.
  auto legTube = ResolveSelector("body:LEG2/tube");
  ASSERT_EQ(legTube.size(), 1u);
  auto* occ = session().FindAs<BodyOccurrence>(legTube[0]);
  ASSERT_NE(occ, nullptr);
  EXPECT_EQ(occ->prototype, tube->GetTag());
  EXPECT_NE(legTube, ResolveSelector("body:LEG1/tube")) << "each component has its own occurrence";
  auto padTags = ResolveSelector("body:LEG2/脚/pad");
  ASSERT_EQ(padTags.size(), 1u);
  EXPECT_EQ(session().FindAs<BodyOccurrence>(padTags[0])->prototype, pad->GetTag());
  EXPECT_NE(Error("body:LEG3/tube").find("no component named \"LEG3\""), std::string::npos);
}

TEST_F(Selectors, BodiesByAttributeAndAllBodiesOfTheDisplayedAssembly) {
  EXPECT_EQ(ResolveSelector("bodies:REMARK=外购件"), std::vector<Tag>{p2b->GetTag()});
  // Three plates, then each leg's tube and the pad of the foot leg.prt holds: 3 + 2 * 2 = 7.
  auto all = ResolveSelector("bodies:*");
  EXPECT_EQ(all.size(), 7u);
  EXPECT_EQ(all[0], p1->GetTag()) << "the assembly's own bodies come first";
  tube->attributes.Set("MATERIALS", "Q235");
  EXPECT_EQ(ResolveSelector("bodies:MATERIALS=Q235").size(), 2u) << "both occurrences inherit it";
  EXPECT_EQ(Error("bodies:MATERIALS=Q345"), "selector bodies:MATERIALS=Q345 matches no solid body");
}

TEST_F(Selectors, ComponentsSheetsViewsAndMalformedSelectors) {
  auto leg2 = ResolveSelector("component:LEG2");
  auto foot = ResolveSelector("component:LEG2/脚");
  ASSERT_EQ(foot.size(), 1u);
  EXPECT_EQ(session().FindAs<ComponentOccurrence>(foot[0])->parent, leg2.at(0));
  ASSERT_EQ(ResolveSelector("sheet:SHT1").size(), 1u);
  EXPECT_EQ(session().Find(ResolveSelector("view:SHT1/TOP")[0])->name, "TOP");
  EXPECT_NE(Error("view:SHT1/FRONT").find("matches nothing"), std::string::npos);
  EXPECT_NE(Error("P1").find("is not a selector"), std::string::npos);
  EXPECT_NE(Error("face:P1").find("unknown selector kind \"face\""), std::string::npos);
  session().SetDisplayed(nullptr);
  EXPECT_NE(Error("bodies:*").find("there is no displayed part"), std::string::npos);
}

// A picked object's selector names it again: the browser records picks this way.
TEST_F(Selectors, SelectorForNamesEachShownBodyAndComponentSoItResolvesBackToIt) {
  using fabdoc::app::journal::DisplayedBodies;
  using fabdoc::app::journal::SelectorFor;
  const auto bodies = DisplayedBodies();
  // Three plates of frame, and tube and pad seen through each of LEG1 and LEG2.
  ASSERT_EQ(bodies.size(), 3u + 2u * 2u);
  for (Tag tag : bodies) {
    const std::string selector = SelectorFor(tag);
    EXPECT_EQ(ResolveSelector(selector), std::vector<Tag>{tag}) << selector;
  }
  EXPECT_EQ(SelectorFor(p1->GetTag()), "body:P1");
  EXPECT_EQ(SelectorFor(p2b->GetTag()), "body:P2#2");
  const Tag foot = ResolveSelector("component:LEG2/脚").at(0);
  EXPECT_EQ(SelectorFor(foot), "component:LEG2/脚");
  const Tag pad2 = ResolveSelector("body:LEG2/脚/pad").at(0);
  EXPECT_EQ(SelectorFor(pad2), "body:LEG2/脚/pad");
  // Unnamed bodies are counted among the unnamed ones.
  Body& unnamed = fabdoc_test::AddBox(*frame, 0, 300, 0, 10, 10, 10);
  EXPECT_EQ(SelectorFor(unnamed.GetTag()), "body:#1");
  EXPECT_EQ(ResolveSelector("body:#1"), std::vector<Tag>{unnamed.GetTag()});
  // A sheet, and a view on it, which is how the host's selection dialog takes a sheet.
  for (const std::string selector : {"sheet:SHT1", "view:SHT1/TOP"})
    EXPECT_EQ(SelectorFor(ResolveSelector(selector).at(0)), selector);
}
