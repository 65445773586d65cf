// The object interface's sheet-metal builders, object lookup, update manager and
// display modifications, driven the way the attribute writer drives them.
#include <algorithm>
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include <NXOpen/Body.hxx>
#include <NXOpen/DisplayModification.hxx>
#include <NXOpen/Face.hxx>
#include <NXOpen/Features_BodyFeature.hxx>
#include <NXOpen/Features_SheetMetal_SheetmetalManager.hxx>
#include <NXOpen/NXException.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/Session.hxx>
#include <uf_modl.h>

#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <TopoDS.hxx>

#include "platform/geometry/sheet_metal/bent_profile.h"
#include "tests/support/api_fixture.h"
#include "platform/assemblies/occurrence.h"
#include "platform/files/part_file.h"
#include "platform/geometry/feature.h"

namespace {

using namespace NXOpen;
using Sm = Features::SheetMetal::ConvertToSheetmetalBuilder;

class SheetMetalInterface : public fabdoc_test::ApiTest {
protected:
  void SetUp() override {
    ApiTest::SetUp();
    dir_ = fabdoc_test::FreshDir("sheet_metal_interface");
    part_ = &session().NewPart(dir_ + "/guard.prt");
    session().SetDisplayed(part_);
    // 角板: t 3, r 3, walls 100 and 150, width 300 (see the unfold tests).
    auto body = std::make_unique<platform::Body>(
        platform::sheet_metal::BuildBentSection({3, 3, {100, 150}, {90}}, 300));
    body->name = "angle";
    plate_ = static_cast<platform::Body*>(&part_->Add(std::move(body)));
  }

  // The first face of largest area, as the attribute writer picks it.
  Face* LargestFace(Body* body) {
    Face* best = nullptr;
    double bestArea = -1;
    for (Face* face : body->GetFaces()) {
      auto& ref = session().RequireAs<platform::TopologyRef>(face->Tag(), "a face");
      GProp_GProps props;
      BRepGProp::SurfaceProperties(ref.body->SubShape(ref), props);
      if (props.Mass() > bestArea + 1e-6) best = face, bestArea = props.Mass();
    }
    return best;
  }

  Features::Feature* Convert(Face* face) {
    Part* work = Session::GetSession()->Parts()->Work();
    Sm* builder = work->Features()->SheetmetalManager()->CreateConvertToSheetmetalFeatureBuilder(nullptr);
    builder->SetApplicationContext(Features::SheetMetal::ApplicationContextNxSheetMetal);
    builder->SetSketch(nullptr);
    builder->SetBaseFace(nullptr);
    builder->SetBendReliefType(Sm::BendReliefTypeOptionsNone);
    builder->SetMaintainZeroBendRadius(false);
    builder->SetBaseFace(face);
    builder->Validate();
    Features::Feature* feature = nullptr;
    try {
      feature = builder->Commit();
    } catch (...) {
      builder->Destroy();
      throw;
    }
    builder->Destroy();
    return feature;
  }

  Features::Feature* Flatten(Face* face) {
    Part* work = Session::GetSession()->Parts()->Work();
    auto* builder = work->Features()->SheetmetalManager()->CreateFlatSolidFeatureBuilder(nullptr);
    builder->SetApplicationContext(Features::SheetMetal::ApplicationContextNxSheetMetal);
    builder->OuterCornerTreatment()->Value()->SetRightHandSide("0.1");
    builder->InnerCornerTreatment()->SetTreatmentType(
        Features::SheetMetal::CornerTreatmentBuilder::CornerTreatmentTypeNone);
    builder->StationaryFace()->SetValue(face);
    builder->StationaryFace()->SetValue(face);
    Features::Feature* feature = nullptr;
    try {
      feature = builder->Commit();
    } catch (...) {
      builder->Destroy();
      throw;
    }
    builder->Destroy();
    return feature;
  }

  std::vector<platform::Tag> PartTags() const {
    std::vector<platform::Tag> tags;
    for (const auto& o : part_->Objects()) tags.push_back(o->GetTag());
    return tags;
  }

  Body* Plate() { return dynamic_cast<Body*>(NXObjectManager::Get(plate_->GetTag())); }

  std::string dir_;
  platform::Part* part_ = nullptr;
  platform::Body* plate_ = nullptr;
};

TEST_F(SheetMetalInterface, ObjectManagerHandsOutTheRightClassForEachTag) {
  Body* body = Plate();
  ASSERT_NE(body, nullptr);
  Face* face = body->GetFaces().at(0);
  EXPECT_EQ(dynamic_cast<Face*>(NXObjectManager::Get(face->Tag())), face);
  EXPECT_EQ(face->GetBody(), body);
  EXPECT_EQ(body->GetFaces().size(), static_cast<size_t>(plate_->FaceCount()));
  Features::Feature* feature = Convert(LargestFace(body));
  EXPECT_NE(dynamic_cast<Features::BodyFeature*>(NXObjectManager::Get(feature->Tag())), nullptr);
  EXPECT_EQ(dynamic_cast<Part*>(NXObjectManager::Get(part_->GetTag())), Session::GetSession()->Parts()->Work());
}

TEST_F(SheetMetalInterface, ConvertThenFlattenMakesTheFlatBlankAsANewBody) {
  Body* body = Plate();
  Face* face = LargestFace(body);
  const platform::Box before = plate_->AxisBox();

  Features::Feature* sheet = Convert(face);
  EXPECT_EQ(std::string(sheet->FeatureType().GetText()), "SHEET_METAL");
  EXPECT_TRUE(dynamic_cast<Features::BodyFeature*>(sheet)->GetBodies().empty());
  // The conversion leaves the body alone.
  EXPECT_EQ(plate_->AxisBox().max, before.max);
  EXPECT_EQ(plate_->AxisBox().min, before.min);

  Features::Feature* flat = Flatten(face);
  EXPECT_EQ(std::string(flat->FeatureType().GetText()), "FLAT_SOLID");
  const auto bodies = dynamic_cast<Features::BodyFeature*>(flat)->GetBodies();
  ASSERT_EQ(bodies.size(), 1u);
  tag_t viaC = 0;
  ASSERT_EQ(UF_MODL_ask_feat_body(flat->Tag(), &viaC), 0);
  EXPECT_EQ(viaC, bodies[0]->Tag());

  // The largest faces are the 150 wall's (x = 103 inner, x = 106 outer, z from 4.5 to
  // 154.5). Either way the blank is x in [103, 106], y in [0, 300], and runs down from
  // z = 154.5 by 150 + (pi/2)(3 + 0.99) + 100 = 256.2675 to z = -101.7675.
  auto& made = session().RequireAs<platform::Body>(bodies[0]->Tag(), "a body");
  EXPECT_EQ(made.owner, part_);
  const platform::Box box = made.AxisBox();
  const double length = 250 + (M_PI / 2) * 3.99;
  EXPECT_NEAR(box.min[0], 103, 1e-6);
  EXPECT_NEAR(box.max[0], 106, 1e-6);
  EXPECT_NEAR(box.min[1], 0, 1e-6);
  EXPECT_NEAR(box.max[1], 300, 1e-6);
  EXPECT_NEAR(box.max[2], 154.5, 1e-6);
  EXPECT_NEAR(box.min[2], 154.5 - length, 1e-6);
  EXPECT_NEAR(made.Mass().volume, 3 * 300 * length, 1e-3);
}

TEST_F(SheetMetalInterface, DoUpdateRemovesBothFeaturesAndTheFlatBodyAndLeavesThePartAsItWas) {
  const auto before = PartTags();
  Face* face = LargestFace(Plate());
  Features::Feature* sheet = Convert(face);
  Features::Feature* flat = Flatten(face);
  ASSERT_EQ(part_->Objects().size(), before.size() + 3);  // two features and the flat body

  Session* nx = Session::GetSession();
  const Session::UndoMarkId first = nx->SetUndoMark(Session::MarkVisibilityVisible, "Delete");
  const Session::UndoMarkId second = nx->SetUndoMark(Session::MarkVisibilityInvisible, "Delete");
  EXPECT_NE(first, second);
  nx->UpdateManager()->AddToDeleteList(sheet);
  nx->UpdateManager()->AddToDeleteList(flat);
  EXPECT_EQ(nx->UpdateManager()->DoUpdate(second), 0);
  nx->DeleteUndoMark(first, nullptr);

  EXPECT_EQ(PartTags(), before);
  EXPECT_EQ(session().Find(plate_->GetTag()), plate_);
  EXPECT_THROW(nx->DeleteUndoMark(first, nullptr), NXException);

  platform::files::SavePart(*part_, part_->path);
  auto back = platform::files::ReadPart(part_->path);
  ASSERT_EQ(back->Objects().size(), 1u);
  EXPECT_NEAR(dynamic_cast<platform::Body&>(*back->Objects()[0]).Mass().volume, plate_->Mass().volume, 1e-6);
}

TEST_F(SheetMetalInterface, FailuresRaiseNXExceptionNamingTheBody) {
  Face* face = LargestFace(Plate());
  const std::string tag = std::to_string(plate_->GetTag());
  try {
    Flatten(face);  // not converted yet
    ADD_FAILURE() << "flattened an unconverted body";
  } catch (const NXException& e) {
    EXPECT_NE(std::string(e.what()).find("body " + tag), std::string::npos) << e.what();
  }
  EXPECT_THROW(Convert(nullptr), NXException);
  // A round bar: its largest face, the side, is not planar, so it has no thickness.
  platform::Body& rod = fabdoc_test::AddCylinder(*part_, 0, 0, 0, 10, 100, "rod");
  Body* nxRod = dynamic_cast<Body*>(NXObjectManager::Get(rod.GetTag()));
  Face* side = LargestFace(nxRod);
  try {
    Convert(side);
    ADD_FAILURE() << "converted a round bar";
  } catch (const NXException& e) {
    EXPECT_NE(std::string(e.what()).find("body " + std::to_string(rod.GetTag())), std::string::npos) << e.what();
  }
  // Nothing partial was recorded.
  for (const auto& o : part_->Objects()) EXPECT_EQ(dynamic_cast<platform::Feature*>(o.get()), nullptr);
}

TEST_F(SheetMetalInterface, ExpressionRightHandSideTakesNumbersOnly) {
  Part* work = Session::GetSession()->Parts()->Work();
  auto* builder = work->Features()->SheetmetalManager()->CreateFlatSolidFeatureBuilder(nullptr);
  Expression* value = builder->OuterCornerTreatment()->Value();
  value->SetRightHandSide("0.1");
  EXPECT_DOUBLE_EQ(value->Value(), 0.1);
  EXPECT_EQ(std::string(value->RightHandSide().GetText()), "0.1");
  EXPECT_THROW(value->SetRightHandSide("abc"), NXException);
  EXPECT_DOUBLE_EQ(value->Value(), 0.1);
  EXPECT_FALSE(builder->Validate());  // no stationary face yet
  builder->Destroy();
}

class DisplayModificationTest : public fabdoc_test::ApiTest {};

TEST_F(DisplayModificationTest, ColoursABodyAndAnOccurrenceItsOwnWay) {
  const fabdoc_test::ThreeLevels model = fabdoc_test::MakeThreeLevels();
  platform::BodyOccurrence* plateOcc = nullptr;
  for (platform::Object* o : occurrences().AllOccurrences(*model.root))
    if (auto* b = dynamic_cast<platform::BodyOccurrence*>(o); b && b->prototype == model.plate->GetTag() && !plateOcc)
      plateOcc = b;
  ASSERT_NE(plateOcc, nullptr);
  auto* frame = dynamic_cast<DisplayableObject*>(NXObjectManager::Get(model.frame->GetTag()));
  auto* occurrence = dynamic_cast<DisplayableObject*>(NXObjectManager::Get(plateOcc->GetTag()));

  std::unique_ptr<DisplayModification> paint(Session::GetSession()->DisplayManager()->NewDisplayModification());
  paint->SetApplyToAllFaces(true);
  paint->SetApplyToOwningParts(false);
  paint->SetNewColor(186);
  paint->SetNewWidth(static_cast<DisplayableObject::ObjectWidth>(8));
  paint->Apply({frame, occurrence});
  Session::GetSession()->CleanUpFacetedFacesAndEdges();

  EXPECT_EQ(model.frame->display.color, 186);
  EXPECT_EQ(occurrence->Color(), 186);
  EXPECT_EQ(model.plate->display.color, platform::kDefaultBodyColor);  // owning part untouched

  paint->SetApplyToOwningParts(true);
  paint->SetNewColor(36);
  paint->Apply({occurrence});
  EXPECT_EQ(occurrence->Color(), 36);
  EXPECT_EQ(model.plate->display.color, 36);

  // A colour off the table changes nothing.
  paint->SetNewColor(0);
  EXPECT_THROW(paint->Apply({frame}), NXException);
  EXPECT_EQ(model.frame->display.color, 186);
}

}  // namespace
