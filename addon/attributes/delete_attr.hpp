// Attribute removal and restore: removes every attribute of the selected bodies, and
// puts the work part back as it was before drawing production.
#pragma once
#include <vector>

#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_SelectObject.hxx>
#include <NXOpen/BlockStyler_Toggle.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>
#include <uf_defs.h>

class delete_attr {
public:
  delete_attr();
  ~delete_attr();
  int Show();

  void initialize_cb();
  void dialogShown_cb();
  int apply_cb();
  int ok_cb();
  int update_cb(NXOpen::BlockStyler::UIBlock* block);
  NXOpen::BlockStyler::PropertyList* GetBlockProperties(const char* blockID);

  void 删除属性(std::vector<tag_t> objects);
  void 所有图号();
  void 图号还原(std::vector<tag_t> bodies);
  void 删除图纸页();

  // The made-to-drawing bodies of the current restore.
  std::vector<tag_t> bodies;

private:
  static NXOpen::Session* theSession;
  static NXOpen::UI* theUI;
  const char* theDialogFile = nullptr;
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
  NXOpen::BlockStyler::Group* group0 = nullptr;
  NXOpen::BlockStyler::SelectObject* selection0 = nullptr;
  NXOpen::BlockStyler::Toggle* toggle_qian = nullptr;
  NXOpen::BlockStyler::Toggle* toggle_delete = nullptr;
};

int launch_delete_attr();
