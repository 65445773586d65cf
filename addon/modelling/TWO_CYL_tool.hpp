// Two-point tool: a cylinder of a typed diameter between two picked points.
#pragma once
#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_ExpressionBlock.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_SpecifyPoint.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>

class TWO_CYL_tool {
public:
  TWO_CYL_tool();
  ~TWO_CYL_tool();
  int Show();

  void initialize_cb();
  void dialogShown_cb();
  int apply_cb();
  int ok_cb();
  int update_cb(NXOpen::BlockStyler::UIBlock* block);
  NXOpen::BlockStyler::PropertyList* GetBlockProperties(const char* blockID);

private:
  static NXOpen::Session* theSession;
  static NXOpen::UI* theUI;
  const char* theDialogFile = nullptr;
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
  NXOpen::BlockStyler::Group* group0 = nullptr;
  NXOpen::BlockStyler::SpecifyPoint* point0 = nullptr;
  NXOpen::BlockStyler::SpecifyPoint* point01 = nullptr;
  NXOpen::BlockStyler::Group* group = nullptr;
  NXOpen::BlockStyler::ExpressionBlock* expression0 = nullptr;
};

int launch_TWO_CYL_tool();
