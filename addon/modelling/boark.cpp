// Block with drag handles: the block feature is made when the dialog is shown and
// redefined in place on every change; each handle sits on a face of the base cube.
#include "modelling/boark.hpp"

#include <cstdio>
#include <memory>
#include <sstream>

#include <NXOpen/DisplayModification.hxx>
#include <NXOpen/Features_BodyFeature.hxx>
#include <NXOpen/Features_FeatureCollection.hxx>
#include <NXOpen/ModelingViewCollection.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/Update.hxx>
#include <uf.h>
#include <uf_vec.h>

#include "host/dialog_framework.h"
#include "host/message.h"
#include "host/scoped_destroy.h"
#include "host/uf_session.h"

using namespace NXOpen;
using namespace NXOpen::BlockStyler;

Session* boark::theSession = nullptr;
UI* boark::theUI = nullptr;

namespace {

void Load(const Point3d& p, double out[3]) { out[0] = p.X, out[1] = p.Y, out[2] = p.Z; }
void Load(const Vector3d& v, double out[3]) { out[0] = v.X, out[1] = v.Y, out[2] = v.Z; }

}  // namespace

boark::boark() {
  theSession = Session::GetSession();
  theUI = UI::GetUI();
  theDialogFile = "boark.dlx";
  theBlockDialog = kzt::create_dialog(theUI, theDialogFile, this);
}

boark::~boark() {
  delete theBlockDialog;
  theBlockDialog = nullptr;
}

int boark::Show() { return kzt::show_dialog(theBlockDialog); }

void boark::initialize_cb() {
  CompositeBlock* top = theBlockDialog->TopBlock();
  group0 = kzt::find_block<Group>(top, "group0");
  manip0 = kzt::find_block<SpecifyOrientation>(top, "manip0");
  group = kzt::find_block<Group>(top, "group");
  double0 = kzt::find_block<DoubleBlock>(top, "double0");
  group3 = kzt::find_block<Group>(top, "group3");
  dim_X1 = kzt::find_block<LinearDimension>(top, "dim_X1");
  dim_X2 = kzt::find_block<LinearDimension>(top, "dim_X2");
  dim_Y1 = kzt::find_block<LinearDimension>(top, "dim_Y1");
  dim_Y2 = kzt::find_block<LinearDimension>(top, "dim_Y2");
  dim_Z1 = kzt::find_block<LinearDimension>(top, "dim_Z1");
  dim_Z2 = kzt::find_block<LinearDimension>(top, "dim_Z2");
  workPart = theSession->Parts()->Work();
  displayPart = theSession->Parts()->Display();
  feature_created = false;
  block_feature = nullptr;
}

void boark::dialogShown_cb() {
  kzt::guarded([&] {
    double0->SetValue(100.0);
    for (LinearDimension* dimension : dimensions()) dimension->SetValue(0.0);
    group3->SetShow(false);
    for (LinearDimension* dimension : dimensions()) dimension->SetShowHandle(true);
    creatBlock();
    return 0;
  }, 0);
}

int boark::apply_cb() {
  return kzt::guarded([&] {
    showOrCreate(0);
    return 0;
  }, 1);
}

int boark::ok_cb() { return kzt::ok_through_apply(this); }

int boark::update_cb(UIBlock* block) {
  return kzt::guarded([&] {
    if (block == double0) {
      for (LinearDimension* dimension : dimensions()) dimension->SetValue(0.0);
      creatBlock();
      return 0;
    }
    bool ours = block == manip0;
    for (LinearDimension* dimension : dimensions()) ours = ours || block == dimension;
    if (ours) creatBlock();
    return 0;
  }, 0);
}

PropertyList* boark::GetBlockProperties(const char* blockID) { return theBlockDialog->GetBlockProperties(blockID); }

void boark::creatBlock() {
  if (feature_created) return redefineFeature();
  Features::BlockFeatureBuilder* builder = workPart->Features()->CreateBlockFeatureBuilder(nullptr);
  kzt::ScopedDestroy<Features::BlockFeatureBuilder> destroy(builder);
  if (!fillBuilder(builder)) return;
  block_feature = builder->CommitFeature();
  feature_created = true;
  visibility();
}

void boark::redefineFeature() {
  Features::BlockFeatureBuilder* builder = workPart->Features()->CreateBlockFeatureBuilder(block_feature);
  kzt::ScopedDestroy<Features::BlockFeatureBuilder> destroy(builder);
  if (!fillBuilder(builder)) return;
  undo_mark = theSession->SetUndoMark(Session::MarkVisibility(0), "block1");
  block_feature = builder->CommitFeature();
  theSession->UpdateManager()->DoUpdate(undo_mark);
  theSession->DeleteUndoMark(undo_mark, NXString());
  visibility();
}

bool boark::fillBuilder(Features::BlockFeatureBuilder* builder) {
  builder->SetType(Features::BlockFeatureBuilder::Types(0));
  const double size = double0->Value();
  double extension[6];
  for (int i = 0; i < 6; ++i) extension[i] = dimensions()[i]->Value();
  const double length = size + extension[0] + extension[1];
  const double width = size + extension[2] + extension[3];
  const double height = size + extension[4] + extension[5];
  if (!(size > 0) || !(length > 0) || !(width > 0) || !(height > 0)) {
    char text[200];
    std::snprintf(text, sizeof text, "方块尺寸必须大于零 (基本尺寸 %g, 长 %g, 宽 %g, 高 %g), 方块未改变", size, length,
                  width, height);
    kzt::show_message(text);
    return false;
  }
  base_size = size;
  setBlockOrigin(builder);
  builder->SetOrientation(manip0->XAxis(), manip0->YAxis());
  builder->SetLength(doubleToNXString(length));
  builder->SetWidth(doubleToNXString(width));
  builder->SetHeight(doubleToNXString(height));
  sethandle();
  return true;
}

void boark::setBlockOrigin(Features::BlockFeatureBuilder* builder) {
  kzt::UfSession uf;
  double origin[3], x[3], y[3], z[3], corner[3];
  Load(manip0->Origin(), origin);
  Load(manip0->XAxis(), x);
  Load(manip0->YAxis(), y);
  UF_VEC3_cross(x, y, z);
  UF_VEC3_affine_comb(origin, -dim_X1->Value(), x, corner);
  UF_VEC3_affine_comb(corner, -dim_Y1->Value(), y, corner);
  UF_VEC3_affine_comb(corner, -dim_Z1->Value(), z, corner);
  builder->SetOrigin(Point3d(corner[0], corner[1], corner[2]));
}

void boark::sethandle() {
  kzt::UfSession uf;
  const double s = double0->Value();
  double origin[3], axes[3][3], outward[3][2][3];
  Load(manip0->Origin(), origin);
  Load(manip0->XAxis(), axes[0]);
  Load(manip0->YAxis(), axes[1]);
  UF_VEC3_cross(axes[0], axes[1], axes[2]);
  for (int a = 0; a < 3; ++a) {
    UF_VEC3_negate(axes[a], outward[a][0]);
    for (int k = 0; k < 3; ++k) outward[a][1][k] = axes[a][k];
  }
  // Axis a's handles sit at the centre of the base cube's faces across that axis.
  for (int a = 0; a < 3; ++a) {
    double centre[3] = {origin[0], origin[1], origin[2]};
    for (int other = 0; other < 3; ++other)
      if (other != a) UF_VEC3_affine_comb(centre, s / 2, axes[other], centre);
    double far[3];
    UF_VEC3_affine_comb(centre, s, axes[a], far);
    LinearDimension* low = dimensions()[2 * a];
    LinearDimension* high = dimensions()[2 * a + 1];
    low->SetHandleOrigin(Point3d(centre[0], centre[1], centre[2]));
    low->SetHandleOrientation(Vector3d(outward[a][0][0], outward[a][0][1], outward[a][0][2]));
    high->SetHandleOrigin(Point3d(far[0], far[1], far[2]));
    high->SetHandleOrientation(Vector3d(outward[a][1][0], outward[a][1][1], outward[a][1][2]));
  }
}

NXString boark::doubleToNXString(double value) {
  std::ostringstream text;
  text.precision(16);
  text << value;
  return NXString(text.str(), NXString::Encoding(1));
}

void boark::visibility() {
  showOrCreate(90);
  workPart->ModelingViews()->WorkView()->SetRenderingStyle(View::RenderingStyleType(0));
}

void boark::showOrCreate(int translucency) {
  if (!block_feature) return;
  std::vector<Body*> bodies = dynamic_cast<Features::BodyFeature*>(block_feature)->GetBodies();
  std::unique_ptr<DisplayModification> modification(theSession->DisplayManager()->NewDisplayModification());
  modification->SetApplyToAllFaces(true);
  modification->SetNewTranslucency(translucency);
  modification->Apply(std::vector<DisplayableObject*>(bodies.begin(), bodies.end()));
}

int launch_boark() { return kzt::launch_dialog<boark>(); }
