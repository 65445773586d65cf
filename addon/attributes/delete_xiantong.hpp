// Duplicate bodies: counts the coincident copies among the selected bodies and hides and
// colours, or deletes, the surplus copies.
#pragma once
#include <vector>

#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_ObjectColorPicker.hxx>
#include <NXOpen/BlockStyler_SelectObject.hxx>
#include <NXOpen/BlockStyler_Separator.hxx>
#include <NXOpen/BlockStyler_StringBlock.hxx>
#include <NXOpen/BlockStyler_Toggle.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>
#include <uf_defs.h>

class delete_xiantong {
public:
  delete_xiantong();
  ~delete_xiantong();
  int Show();

  void initialize_cb();
  void dialogShown_cb();
  int apply_cb();
  int update_cb(NXOpen::BlockStyler::UIBlock* block);
  int cancel_cb();
  NXOpen::BlockStyler::PropertyList* GetBlockProperties(const char* blockID);

  void 得到选择体的信息();

  std::vector<tag_t> unique_bodies;
  std::vector<tag_t> duplicate_bodies;

private:
  static NXOpen::Session* theSession;
  static NXOpen::UI* theUI;
  const char* theDialogFile = nullptr;
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
  NXOpen::BlockStyler::Group* group = nullptr;
  NXOpen::BlockStyler::SelectObject* blockxuanzhe = nullptr;
  NXOpen::BlockStyler::Group* group0 = nullptr;
  NXOpen::BlockStyler::StringBlock* zongsu = nullptr;
  NXOpen::BlockStyler::StringBlock* chongdie = nullptr;
  NXOpen::BlockStyler::Separator* separator0 = nullptr;
  NXOpen::BlockStyler::Group* group2 = nullptr;
  NXOpen::BlockStyler::Toggle* blocktoggle0 = nullptr;
  NXOpen::BlockStyler::Toggle* blocktoggle_debei = nullptr;
  NXOpen::BlockStyler::ObjectColorPicker* colorPicker0 = nullptr;
};

int launch_delete_xiantong();
