// Assembly building through the object interface, the way the component dialog drives
// it: new parts from the template, new components from bodies, restructuring, lookups by
// identifier and file name, saving with components, closing, removing parameters.
#include <filesystem>
#include <fstream>
#include <memory>

#include <gtest/gtest.h>

#include <NXOpen/Assemblies_Component.hxx>
#include <NXOpen/Assemblies_ComponentAssembly.hxx>
#include <NXOpen/Assemblies_CreateNewComponentBuilder.hxx>
#include <NXOpen/Features_RemoveParametersBuilder.hxx>
#include <NXOpen/NXMessageBox.hxx>
#include <NXOpen/NXException.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>
#include <uf_assem.h>
#include <uf_modl.h>
#include <uf_so.h>
#include <uf_wave.h>

#include "platform/assemblies/component_identifier.h"
#include "platform/assemblies/located_shape.h"
#include "platform/assemblies/occurrence.h"
#include "platform/files/part_file.h"
#include "platform/geometry/feature.h"
#include "platform/text/host_path.h"
#include "platform/ui/dialog.h"
#include "platform/ui/messages.h"
#include "tests/support/api_fixture.h"
#include "tests/support/script_driver.h"

namespace {

using namespace NXOpen;
namespace fs = std::filesystem;
using platform::Box;

// An assembly on disk:
//   root.prt -> FRAME-3 (frame-3.prt), rotated 90 degrees about Z and moved 1000 along X
//   frame-3.prt: plate 100 x 50 x 8 at the origin, post 20 x 20 x 300 at x 200.
// In root, x' = -y + 1000 and y' = x, so the plate spans x 950..1000, y 0..100, z 0..8
// and the post x 980..1000, y 200..220, z 0..300.
class AssemblyBuilding : public fabdoc_test::ApiTest {
protected:
  void SetUp() override {
    ApiTest::SetUp();
    dir_ = fabdoc_test::FreshDir("assembly_building");
    frame_ = &session().NewPart(Host("frame-3.prt"));
    plate_ = &fabdoc_test::AddBox(*frame_, 0, 0, 0, 100, 50, 8, "plate");
    plate_->attributes.Set("DB_PART_NAME", fabdoc_test::Gbk("底板"));
    plate_->density = 2.7e-3;
    plate_->display.color = 31;
    post_ = &fabdoc_test::AddBox(*frame_, 200, 0, 0, 20, 20, 300, "post");
    root_ = &session().NewPart(Host("root.prt"));
    platform::Transform turned = platform::Transform::Translation(1000, 0, 0);
    turned.rotation = {0, -1, 0, 1, 0, 0, 0, 0, 1};
    fabdoc_test::AddInstance(*root_, frame_->path, "FRAME-3", turned);
    session().SetDisplayed(root_);
  }

  std::string Host(const std::string& name) const { return platform::ToAbsoluteHostPath(dir_ + "/" + name); }
  Part* AsPart(platform::Part* part) { return dynamic_cast<Part*>(NXObjectManager::Get(part->GetTag())); }
  platform::ComponentOccurrence& Occ(Assemblies::Component* c) {
    return session().RequireAs<platform::ComponentOccurrence>(c->Tag(), "a component");
  }
  platform::ComponentOccurrence& FrameOcc() { return *occurrences().Children(occurrences().RootOccurrence(*root_))[0]; }
  // The body occurrences of the plate and the post under FRAME-3.
  std::vector<NXObject*> FrameBodies() {
    std::vector<NXObject*> bodies;
    for (auto* b : occurrences().BodyOccurrences(FrameOcc()))
      bodies.push_back(dynamic_cast<NXObject*>(NXObjectManager::Get(b->GetTag())));
    return bodies;
  }

  FileNew* Settings(const std::string& file) {
    FileNew* settings = Session::GetSession()->Parts()->FileNew();
    settings->SetTemplateFileName("model-plain-1-mm-template.prt");
    settings->SetApplication(FileNewApplicationModeling);
    settings->SetUnits(1);
    settings->SetRelationType("");
    settings->SetUsesMasterModel("No");
    settings->SetTemplateType(FileNewTemplateTypeItem);
    settings->SetNewFileName(Host(file).c_str());
    settings->SetMasterFileName("");
    settings->SetUseBlankTemplate(false);
    settings->SetMakeDisplayedPart(false);
    return settings;
  }

  Assemblies::Component* NewComponent(const std::string& name, const std::vector<NXObject*>& bodies) {
    Assemblies::CreateNewComponentBuilder* builder = AsPart(root_)->AssemblyManager()->CreateNewComponentBuilder();
    builder->SetReferenceSet(Assemblies::CreateNewComponentBuilder::ComponentReferenceSetTypeEntirePartOnly);
    builder->SetReferenceSetName(fabdoc_test::Gbk("整个部件").c_str());
    builder->SetNewComponentName(name.c_str());
    builder->ObjectForNewComponent()->Add(bodies);
    builder->SetNewFile(Settings(name + ".prt"));
    NXObject* made = nullptr;
    try {
      made = builder->Commit();
    } catch (...) {
      builder->Destroy();
      throw;
    }
    builder->Destroy();
    return dynamic_cast<Assemblies::Component*>(made);
  }

  static void ExpectBox(const Box& box, std::array<double, 3> min, std::array<double, 3> max) {
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(box.min[i], min[i], 1e-6) << "min " << i;
      EXPECT_NEAR(box.max[i], max[i], 1e-6) << "max " << i;
    }
  }

  std::string dir_;
  platform::Part* frame_ = nullptr;
  platform::Part* root_ = nullptr;
  platform::Body* plate_ = nullptr;
  platform::Body* post_ = nullptr;
};

TEST_F(AssemblyBuilding, NewComponentHoldsCopiesOfOccurrenceBodiesWhereTheyWere) {
  Assemblies::Component* made = NewComponent("PAIR", FrameBodies());
  ASSERT_NE(made, nullptr);
  EXPECT_STREQ(made->Name().GetText(), "PAIR");
  EXPECT_STREQ(made->JournalIdentifier().GetText(), "COMPONENT PAIR 1");

  // The new part: in the session, not on disk, with both bodies as the assembly showed them.
  platform::Part* part = session().FindPartByPath(Host("PAIR.prt"));
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(dynamic_cast<Part*>(made->Prototype()), AsPart(part));
  EXPECT_FALSE(fs::exists(dir_ + "/PAIR.prt"));
  std::vector<platform::Body*> copies;
  for (const auto& o : part->Objects())
    if (auto* b = dynamic_cast<platform::Body*>(o.get())) copies.push_back(b);
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_EQ(copies[0]->name, "plate");
  EXPECT_EQ(*copies[0]->attributes.Find("DB_PART_NAME"), fabdoc_test::Gbk("底板"));
  EXPECT_DOUBLE_EQ(copies[0]->density, 2.7e-3);
  EXPECT_EQ(copies[0]->display.color, 31);
  ExpectBox(copies[0]->AxisBox(), {950, 0, 0}, {1000, 100, 8});
  ExpectBox(copies[1]->AxisBox(), {980, 200, 0}, {1000, 220, 300});

  // The component sits at the identity in root, so its bodies are where the sources are.
  const platform::Instance& instance = root_->Instances().back();
  EXPECT_EQ(instance.instanceName, "PAIR");
  EXPECT_TRUE(instance.transform.IsIdentity());
  auto occurrences = platform::Occurrences::Get().BodyOccurrences(Occ(made));
  ASSERT_EQ(occurrences.size(), 2u);
  auto sources = platform::Occurrences::Get().BodyOccurrences(FrameOcc());
  for (int i = 0; i < 2; ++i) {
    const Box copy = platform::LocatedAxisBox(*occurrences[i]), source = platform::LocatedAxisBox(*sources[i]);
    ExpectBox(copy, source.min, source.max);
  }
  // The sources are untouched.
  EXPECT_EQ(frame_->Objects().size(), 2u);
}

TEST_F(AssemblyBuilding, NewComponentRefusesTakenPathsMissingTemplatesAndForeignBodies) {
  // A file already at the path.
  { std::ofstream(dir_ + "/TAKEN.prt") << "x"; }
  try {
    NewComponent("TAKEN", FrameBodies());
    FAIL() << "an existing file was overwritten";
  } catch (const NXException& e) {
    EXPECT_NE(std::string(e.what()).find("TAKEN.prt"), std::string::npos) << e.what();
  }
  // A template that does not exist.
  FileNew* settings = Settings("NEW.prt");
  settings->SetTemplateFileName("no-such-template.prt");
  try {
    settings->Commit();
    FAIL() << "a part was made without its template";
  } catch (const NXException& e) {
    EXPECT_NE(std::string(e.what()).find("no-such-template.prt"), std::string::npos) << e.what();
  }
  settings->Destroy();
  // A body of another part while root is the work part: nothing is left behind.
  NXObject* foreign = dynamic_cast<NXObject*>(NXObjectManager::Get(plate_->GetTag()));
  EXPECT_THROW(NewComponent("FOREIGN", {foreign}), NXException);
  EXPECT_EQ(session().FindPartByPath(Host("FOREIGN.prt")), nullptr);
  EXPECT_EQ(root_->Instances().size(), 1u);
}

TEST_F(AssemblyBuilding, RestructureUnderARotatedParentKeepsTheAbsolutePlacementAndTheData) {
  Assemblies::Component* made = NewComponent("PAIR", FrameBodies());
  made->SetAttribute("DB_PART_NO", "X-1");
  Assemblies::Component* root = AsPart(root_)->ComponentAssembly()->RootComponent();
  auto* parent = dynamic_cast<Assemblies::Component*>(root->FindObject("COMPONENT FRAME-3 1"));
  ASSERT_NE(parent, nullptr);

  std::vector<Assemblies::Component*> moved;
  ErrorList* errors = nullptr;
  AsPart(frame_)->ComponentAssembly()->RestructureComponents({made}, parent, true, moved, &errors);
  ASSERT_NE(errors, nullptr);
  EXPECT_EQ(errors->Length(), 0);
  delete errors;
  ASSERT_EQ(moved.size(), 1u);

  // The instance left root and went into frame-3.prt with the inverse of FRAME-3's
  // placement: R^T = (0 1 0 / -1 0 0 / 0 0 1), t = -R^T (1000, 0, 0) = (0, 1000, 0).
  EXPECT_EQ(root_->Instances().size(), 1u);
  ASSERT_EQ(frame_->Instances().size(), 1u);
  const platform::Transform& t = frame_->Instances()[0].transform;
  const std::array<double, 9> rotation{0, 1, 0, -1, 0, 0, 0, 0, 1};
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(t.rotation[i], rotation[i], 1e-12);
  EXPECT_NEAR(t.translation[0], 0, 1e-9);
  EXPECT_NEAR(t.translation[1], 1000, 1e-9);
  EXPECT_NEAR(t.translation[2], 0, 1e-9);

  // Seen from root the bodies have not moved, and the component kept its attribute.
  EXPECT_EQ(moved[0]->Parent(), parent);
  EXPECT_STREQ(moved[0]->GetStringAttribute("DB_PART_NO").GetText(), "X-1");
  auto bodies = occurrences().BodyOccurrences(Occ(moved[0]));
  ASSERT_EQ(bodies.size(), 2u);
  ExpectBox(platform::LocatedAxisBox(*bodies[0]), {950, 0, 0}, {1000, 100, 8});
  ExpectBox(platform::LocatedAxisBox(*bodies[1]), {980, 200, 0}, {1000, 220, 300});
  // It is found below the root component through its parent.
  EXPECT_EQ(root->FindObject("COMPONENT PAIR 1"), moved[0]);
}

TEST_F(AssemblyBuilding, RestructureReportsComponentsThatCannotMove) {
  Assemblies::Component* root = AsPart(root_)->ComponentAssembly()->RootComponent();
  auto* frame = dynamic_cast<Assemblies::Component*>(root->FindObject("COMPONENT FRAME-3 1"));
  std::vector<Assemblies::Component*> moved;
  ErrorList* errors = nullptr;
  // Below itself, and a root component.
  AsPart(root_)->ComponentAssembly()->RestructureComponents({frame, root}, frame, true, moved, &errors);
  EXPECT_TRUE(moved.empty());
  ASSERT_EQ(errors->Length(), 2);
  EXPECT_NE(std::string(errors->GetErrorMessage(0).GetText()).find("below itself"), std::string::npos);
  delete errors;
  EXPECT_EQ(root_->Instances().size(), 1u);
}

TEST_F(AssemblyBuilding, FindObjectNamesTheIdentifierItCannotFind) {
  Assemblies::Component* root = AsPart(root_)->ComponentAssembly()->RootComponent();
  try {
    root->FindObject("COMPONENT NOPE 1");
    FAIL();
  } catch (const NXException& e) {
    EXPECT_NE(std::string(e.what()).find("COMPONENT NOPE 1"), std::string::npos) << e.what();
  }
  EXPECT_THROW(root->FindObject("FRAME-3"), NXException);  // not an identifier
  EXPECT_EQ(AsPart(frame_)->ComponentAssembly()->RootComponent(), nullptr);  // no components
}

TEST_F(AssemblyBuilding, SaveWithComponentsWritesEveryChangedPartAndTheyReopen) {
  Assemblies::Component* made = NewComponent("PAIR", FrameBodies());
  Assemblies::Component* root = AsPart(root_)->ComponentAssembly()->RootComponent();
  auto* parent = dynamic_cast<Assemblies::Component*>(root->FindObject("COMPONENT FRAME-3 1"));
  std::vector<Assemblies::Component*> moved;
  ErrorList* errors = nullptr;
  AsPart(root_)->ComponentAssembly()->RestructureComponents({made}, parent, true, moved, &errors);
  delete errors;

  std::unique_ptr<PartSaveStatus> status(AsPart(root_)->Save(BasePart::SaveComponentsTrue, BasePart::CloseAfterSaveFalse));
  EXPECT_EQ(status->NumberUnsavedParts(), 0);
  for (const char* file : {"root.prt", "frame-3.prt", "PAIR.prt"}) EXPECT_TRUE(fs::exists(dir_ + "/" + file)) << file;

  const std::string rootPath = root_->path;
  session().Reset();
  platform::Part& reopened = platform::files::OpenPart(rootPath);
  auto* pair = platform::FindComponent(occurrences().RootOccurrence(reopened), "COMPONENT PAIR 1");
  ASSERT_NE(pair, nullptr);
  auto bodies = occurrences().BodyOccurrences(*pair);
  ASSERT_EQ(bodies.size(), 2u);
  EXPECT_EQ(*session().FindAttribute(*bodies[0], "DB_PART_NAME"), fabdoc_test::Gbk("底板"));
  ExpectBox(platform::LocatedAxisBox(*bodies[0]), {950, 0, 0}, {1000, 100, 8});
  ExpectBox(platform::LocatedAxisBox(*bodies[1]), {980, 200, 0}, {1000, 220, 300});
}

TEST_F(AssemblyBuilding, SaveAsRenamesTheComponentAndItsShownNameFollows) {
  platform::files::SavePart(*frame_, frame_->path);
  platform::files::SavePart(*root_, root_->path);
  auto* frame = dynamic_cast<Assemblies::Component*>(NXObjectManager::Get(FrameOcc().GetTag()));
  ASSERT_NE(frame, nullptr);
  EXPECT_STREQ(frame->DisplayName().GetText(), "frame-3") << "the part's file name, not the instance name FRAME-3";
  // Found again by that name, as a caller renaming the component does.
  Part* part = dynamic_cast<Part*>(Session::GetSession()->Parts()->FindObject(frame->DisplayName()));
  ASSERT_EQ(part, AsPart(frame_));

  std::unique_ptr<PartSaveStatus> saved(part->SaveAs(Host("frame-9.prt").c_str()));
  EXPECT_EQ(saved->NumberUnsavedParts(), 0);
  EXPECT_STREQ(frame->DisplayName().GetText(), "frame-9");
  EXPECT_EQ(Session::GetSession()->Parts()->FindObject("frame-9"), AsPart(frame_));
  EXPECT_TRUE(fs::exists(dir_ + "/frame-9.prt"));
  EXPECT_TRUE(fs::exists(dir_ + "/frame-3.prt"));

  // A read-only target: reported in the result, the part keeps its name.
  { std::ofstream(dir_ + "/frame-7.prt") << "not ours"; }
  fs::permissions(dir_ + "/frame-7.prt", fs::perms::owner_read);
  std::unique_ptr<PartSaveStatus> refused(part->SaveAs(Host("frame-7.prt").c_str()));
  EXPECT_EQ(refused->NumberUnsavedParts(), 1);
  EXPECT_NE(std::string(refused->GetErrorMessage().GetText()).find("frame-7.prt"), std::string::npos);
  EXPECT_STREQ(part->Leaf().GetText(), "frame-9");
  fs::permissions(dir_ + "/frame-7.prt", fs::perms::owner_read | fs::perms::owner_write);

  std::unique_ptr<PartSaveStatus> rootSaved(AsPart(root_)->Save(BasePart::SaveComponentsFalse, BasePart::CloseAfterSaveFalse));
  const std::string rootPath = root_->path;
  session().Reset();
  platform::Part& reopened = platform::files::OpenPart(rootPath);
  auto children = occurrences().Children(occurrences().RootOccurrence(reopened));
  ASSERT_EQ(children.size(), 1u);
  ASSERT_NE(children[0]->part, nullptr) << "the renamed component is found";
  EXPECT_EQ(platform::HostFileStem(children[0]->part->path), "frame-9");
  EXPECT_EQ(occurrences().BodyOccurrences(*children[0]).size(), 2u);
}

TEST_F(AssemblyBuilding, PartsAreFoundByFileNameWithOrWithoutTheEnding) {
  PartCollection* parts = Session::GetSession()->Parts();
  EXPECT_EQ(parts->FindObject("frame-3.prt"), AsPart(frame_));
  EXPECT_EQ(parts->FindObject("frame-3"), AsPart(frame_));
  EXPECT_EQ(parts->FindObject(root_->path.c_str()), AsPart(root_));
  try {
    parts->FindObject("missing.prt");
    FAIL();
  } catch (const NXException& e) {
    EXPECT_NE(std::string(e.what()).find("missing.prt"), std::string::npos);
  }
}

TEST_F(AssemblyBuilding, ClosingWhileIteratingClosesOnlyPartsTheAssemblyDoesNotUse) {
  platform::Part& loose = session().NewPart(Host("loose.prt"));
  PartCollection* parts = Session::GetSession()->Parts();
  std::vector<std::string> seen;
  for (PartCollection::iterator it = parts->begin(); it != parts->end(); ++it) {
    Part* part = *it;
    seen.push_back(platform::HostFileName(part->FullPath().GetText()));
    if (seen.back() == "loose.prt") part->Close(BasePart::CloseWholeTreeFalse, BasePart::CloseModifiedUseResponses, nullptr);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"frame-3.prt", "root.prt", "loose.prt"}));
  EXPECT_EQ(session().FindPartByPath(Host("loose.prt")), nullptr);
  EXPECT_NE(session().FindPartByPath(Host("frame-3.prt")), nullptr);
  EXPECT_EQ(parts->Display(), AsPart(root_));
  (void)loose;
}

TEST_F(AssemblyBuilding, WorkComponentMakesItsPartTheWorkPart) {
  PartCollection* parts = Session::GetSession()->Parts();
  auto* frame = dynamic_cast<Assemblies::Component*>(
      AsPart(root_)->ComponentAssembly()->RootComponent()->FindObject("COMPONENT FRAME-3 1"));
  PartLoadStatus* status = nullptr;
  parts->SetWorkComponent(frame, PartCollection::RefsetOptionEntire, PartCollection::WorkComponentOptionVisible, &status);
  delete status;
  EXPECT_EQ(parts->Work(), AsPart(frame_));
  EXPECT_EQ(UF_ASSEM_ask_work_occurrence(), frame->Tag());
  // The C interface does the same with a component tag, and back with the displayed part.
  ASSERT_EQ(UF_ASSEM_set_work_part(root_->GetTag()), 0);
  EXPECT_EQ(UF_ASSEM_ask_work_occurrence(), NULL_TAG);
  ASSERT_EQ(UF_ASSEM_set_work_part(frame->Tag()), 0);
  EXPECT_EQ(parts->Work(), AsPart(frame_));
  EXPECT_EQ(UF_ASSEM_ask_work_occurrence(), frame->Tag());
}

TEST_F(AssemblyBuilding, RemovingParametersCutsALinkedBodyFromItsSource) {
  // Link the post into root as it is placed there, then strip the link.
  tag_t xform = NULL_TAG, feature = NULL_TAG, linked = NULL_TAG;
  platform::ComponentOccurrence& frameOcc = FrameOcc();
  ASSERT_EQ(UF_SO_create_xform_assy_ctxt(root_->GetTag(), frameOcc.GetTag(), NULL_TAG, &xform), 0);
  ASSERT_EQ(UF_WAVE_create_linked_body(post_->GetTag(), xform, root_->GetTag(), true, &feature), 0);
  ASSERT_EQ(UF_MODL_ask_feat_body(feature, &linked), 0);

  Features::RemoveParametersBuilder* builder = AsPart(root_)->Features()->CreateRemoveParametersBuilder();
  builder->Objects()->Add(dynamic_cast<NXObject*>(NXObjectManager::Get(linked)));
  builder->Commit();
  builder->Destroy();

  EXPECT_EQ(session().Find(feature), nullptr);  // the LINKED_BODY feature is gone
  for (const auto& o : root_->Objects()) EXPECT_EQ(dynamic_cast<platform::Feature*>(o.get()), nullptr);
  session().Delete(post_->GetTag());  // deleting the source leaves the copy
  auto* body = session().FindAs<platform::Body>(linked);
  ASSERT_NE(body, nullptr);
  ExpectBox(body->AxisBox(), {980, 200, 0}, {1000, 220, 300});
}

TEST_F(AssemblyBuilding, RemovingParametersRefusesBodiesOfAnotherPart) {
  Features::RemoveParametersBuilder* builder = AsPart(root_)->Features()->CreateRemoveParametersBuilder();
  builder->Objects()->Add(dynamic_cast<NXObject*>(NXObjectManager::Get(plate_->GetTag())));
  try {
    builder->Commit();
    ADD_FAILURE() << "a body of frame-3.prt was accepted by root's features";
  } catch (const NXException& e) {
    EXPECT_NE(std::string(e.what()).find(std::to_string(plate_->GetTag())), std::string::npos) << e.what();
  }
  builder->Destroy();
}

}  // namespace

// The modeller raises its own exceptions (no std::exception); an object-interface call
// hands them to the add-on as NXException, which its dialogs show in the error box.
TEST_F(AssemblyBuilding, ModellerFailureInADialogEndsInTheErrorBoxAndTheRunGoesOn) {
  // FRAME-3 squashed to a point: no rigid motion places its bodies, the modeller refuses.
  platform::Instance& frame = *root_->FindInstance(root_->Instances()[0].pid);
  const platform::Transform placed = frame.transform;
  frame.transform.rotation = {0, 0, 0, 0, 0, 0, 0, 0, 0};

  platform::ui::Dialog dialog("component.dlx", "component");
  int code = 0;
  dialog.apply = [&] {
    try {
      NewComponent("FLAT", FrameBodies());
      return 0;
    } catch (const std::exception& e) {  // as the add-on's dialog callbacks do
      if (auto* nx = dynamic_cast<const NXException*>(&e)) code = nx->ErrorCode();
      UI::GetUI()->NXMessageBox()->Show("component", NXMessageBox::DialogTypeError, e.what());
      return 1;
    }
  };
  fabdoc_test::Drive(dialog, [](platform::ui::Dialog& d) {
    EXPECT_EQ(d.UserApply(), 1);
    d.UserCancel();
  });
  EXPECT_EQ(code, static_cast<int>(platform::HostStatus::ModellingFailed));
  const auto& shown = platform::ui::History();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back().kind, "error box");
  EXPECT_NE(shown.back().text.find("the modeller failed"), std::string::npos) << shown.back().text;
  EXPECT_EQ(session().FindPartByPath(Host("FLAT.prt")), nullptr) << "nothing half made stays";

  // The run goes on: placed again, the same call makes the component.
  frame.transform = placed;
  ASSERT_NE(NewComponent("FLAT", FrameBodies()), nullptr);
  EXPECT_NE(session().FindPartByPath(Host("FLAT.prt")), nullptr);
}
