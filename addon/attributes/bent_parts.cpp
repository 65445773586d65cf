// Measuring bent parts on their flat blank: convert to sheet metal, flatten, measure the
// flat solid along its own axes, then remove every temporary feature.
#include "attributes/bent_parts.h"

#include <stdexcept>
#include <vector>

#include <NXOpen/Body.hxx>
#include <NXOpen/Expression.hxx>
#include <NXOpen/Face.hxx>
#include <NXOpen/Features_BodyFeature.hxx>
#include <NXOpen/Features_FeatureCollection.hxx>
#include <NXOpen/Features_SheetMetal_ConvertToSheetmetalBuilder.hxx>
#include <NXOpen/Features_SheetMetal_CornerTreatmentBuilder.hxx>
#include <NXOpen/Features_SheetMetal_FlatSolidBuilder.hxx>
#include <NXOpen/Features_SheetMetal_SheetmetalManager.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/SelectFace.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/Update.hxx>
#include <uf.h>
#include <uf_csys.h>
#include <uf_obj.h>

#include "attributes/measurement.h"
#include "attributes/stock_text.h"
#include "host/body_link.h"
#include "host/scoped_destroy.h"
#include "host/uf_session.h"

namespace kzt {

using namespace NXOpen;
using namespace NXOpen::Features::SheetMetal;

namespace {

Face* FaceObject(tag_t face) { return dynamic_cast<Face*>(NXObjectManager::Get(face)); }

// Removes the temporary features through the update manager and the linked body, and
// restores the work coordinate system, however the measurement ended.
struct TemporaryModel {
  tag_t savedCsys = NULL_TAG;
  tag_t linkFeature = NULL_TAG;
  std::vector<TaggedObject*> features;

  ~TemporaryModel() {
    Session* session = Session::GetSession();
    if (!features.empty()) {
      const Session::UndoMarkId first = session->SetUndoMark(Session::MarkVisibilityVisible, "Delete");
      const Session::UndoMarkId second = session->SetUndoMark(Session::MarkVisibilityInvisible, "Delete");
      for (TaggedObject* feature : features) session->UpdateManager()->AddToDeleteList(feature);
      session->UpdateManager()->DoUpdate(second);
      session->DeleteUndoMark(first, "Delete");
    }
    if (savedCsys != NULL_TAG) UF_CSYS_set_wcs(savedCsys);
    if (linkFeature != NULL_TAG) UF_OBJ_delete_object(linkFeature);
  }
};

}  // namespace

Features::Feature* 转换为钣金(tag_t face) {
  Part* work = Session::GetSession()->Parts()->Work();
  ConvertToSheetmetalBuilder* builder =
      work->Features()->SheetmetalManager()->CreateConvertToSheetmetalFeatureBuilder(nullptr);
  ScopedDestroy destroy(builder);
  // The calls of a recorded session, repeats and all: a setter may act in the host.
  builder->SetApplicationContext(ApplicationContextNxSheetMetal);
  builder->SetSketch(nullptr);
  builder->SetBaseFace(nullptr);
  builder->SetBendReliefType(ConvertToSheetmetalBuilder::BendReliefTypeOptionsNone);
  builder->SetMaintainZeroBendRadius(false);
  builder->SetBaseFace(FaceObject(face));
  builder->SetSketch(nullptr);
  builder->SetMaintainZeroBendRadius(false);
  builder->Validate();
  return builder->Commit();
}

std::string bent_envelope(tag_t selected) {
  UfSession uf;
  TemporaryModel temporary;
  temporary.savedCsys = copy_of_work_csys();

  tag_t body = NULL_TAG;
  temporary.linkFeature = 抽取实体(selected, body);
  if (body == NULL_TAG) throw std::runtime_error("the body could not be linked into the work part");
  double volume = 0, mass = 0;
  得到体积(selected, kMeasureAccuracy, volume, mass);

  const tag_t largest = 求体的最大面积(body);
  Features::Feature* sheetMetal = 转换为钣金(largest);
  temporary.features.push_back(sheetMetal);

  Part* work = Session::GetSession()->Parts()->Work();
  FlatSolidBuilder* builder = work->Features()->SheetmetalManager()->CreateFlatSolidFeatureBuilder(nullptr);
  Features::Feature* flat = nullptr;
  {
    ScopedDestroy destroy(builder);
    // Set twice, as in a recorded session: a setter may act in the host.
    builder->SetApplicationContext(ApplicationContextNxSheetMetal);
    builder->OuterCornerTreatment()->Value()->SetRightHandSide("0.1");
    builder->InnerCornerTreatment()->SetTreatmentType(CornerTreatmentBuilder::CornerTreatmentTypeNone);
    builder->StationaryFace()->SetValue(FaceObject(largest));
    builder->StationaryFace()->SetValue(FaceObject(largest));
    flat = builder->Commit();
  }
  temporary.features.push_back(flat);
  auto* flatFeature = dynamic_cast<Features::BodyFeature*>(flat);
  const std::vector<Body*> flatBodies = flatFeature ? flatFeature->GetBodies() : std::vector<Body*>();
  if (flatBodies.empty()) throw std::runtime_error("the flat solid made no body");
  const tag_t flatBody = flatBodies.front()->Tag();

  设置坐标到最大面最长边(求体的最大面积(flatBody));
  double d0 = 0, d1 = 0, d2 = 0;
  extents_along_work_csys(flatBody, d0, d1, d2);
  return format_bent_envelope(d0, d1, d2, d0, mass);
}

}  // namespace kzt
