// BOM update: the picked bodies are added to the first parts list in the work view.
#pragma once
#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_ExpressionBlock.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_SelectObject.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>
#include <uf_defs.h>

class zidongbom {
public:
  zidongbom();
  ~zidongbom();
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
  NXOpen::BlockStyler::SelectObject* selection0 = nullptr;
  NXOpen::BlockStyler::Group* group01 = nullptr;
  NXOpen::BlockStyler::ExpressionBlock* expression0 = nullptr;
};

// The first parts list (tabular note 165/11) met among the work view's objects, or 0.
tag_t find_parts_list();

int launch_zidongbom();
