// Block with drag handles: a block feature placed by an orientation and sized by a base
// size and six handle extensions, shown translucent until Apply.
#pragma once
#include <array>

#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_DoubleBlock.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_LinearDimension.hxx>
#include <NXOpen/BlockStyler_SpecifyOrientation.hxx>
#include <NXOpen/Features_BlockFeatureBuilder.hxx>
#include <NXOpen/Features_Feature.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>

class boark {
public:
  boark();
  ~boark();
  int Show();

  void initialize_cb();
  void dialogShown_cb();
  int apply_cb();
  int ok_cb();
  int update_cb(NXOpen::BlockStyler::UIBlock* block);
  NXOpen::BlockStyler::PropertyList* GetBlockProperties(const char* blockID);

  void creatBlock();
  void redefineFeature();
  void setBlockOrigin(NXOpen::Features::BlockFeatureBuilder* builder);
  void sethandle();
  NXOpen::NXString doubleToNXString(double value);
  void visibility();
  void showOrCreate(int translucency);

private:
  static NXOpen::Session* theSession;
  static NXOpen::UI* theUI;
  const char* theDialogFile = nullptr;
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
  NXOpen::BlockStyler::Group* group0 = nullptr;
  NXOpen::BlockStyler::SpecifyOrientation* manip0 = nullptr;
  NXOpen::BlockStyler::Group* group = nullptr;
  NXOpen::BlockStyler::DoubleBlock* double0 = nullptr;
  NXOpen::BlockStyler::Group* group3 = nullptr;
  NXOpen::BlockStyler::LinearDimension* dim_X1 = nullptr;
  NXOpen::BlockStyler::LinearDimension* dim_X2 = nullptr;
  NXOpen::BlockStyler::LinearDimension* dim_Y1 = nullptr;
  NXOpen::BlockStyler::LinearDimension* dim_Y2 = nullptr;
  NXOpen::BlockStyler::LinearDimension* dim_Z1 = nullptr;
  NXOpen::BlockStyler::LinearDimension* dim_Z2 = nullptr;

  bool feature_created = false;
  NXOpen::Part* workPart = nullptr;
  NXOpen::Part* displayPart = nullptr;
  NXOpen::Features::Feature* block_feature = nullptr;
  NXOpen::Session::UndoMarkId undo_mark = 0;
  double base_size = 100.0;

  // The six extensions in the order -X, +X, -Y, +Y, -Z, +Z.
  std::array<NXOpen::BlockStyler::LinearDimension*, 6> dimensions() const {
    return {dim_X1, dim_X2, dim_Y1, dim_Y2, dim_Z1, dim_Z2};
  }
  // Fills the builder with the dialog's values; false (after telling the user) when an
  // edge would not be greater than zero.
  bool fillBuilder(NXOpen::Features::BlockFeatureBuilder* builder);
};

int launch_boark();
