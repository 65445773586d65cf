// Attribute check: counts the selected bodies without attributes and those whose mass
// changed since the attributes were written, hides the selection and shows only the
// bodies of the categories asked for, in their colours.
#pragma once
#include <set>
#include <vector>

#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_Button.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_ObjectColorPicker.hxx>
#include <NXOpen/BlockStyler_SelectObject.hxx>
#include <NXOpen/BlockStyler_Separator.hxx>
#include <NXOpen/BlockStyler_StringBlock.hxx>
#include <NXOpen/BlockStyler_Toggle.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>
#include <uf_defs.h>

class shuxingjiancha {
public:
  shuxingjiancha();
  ~shuxingjiancha();
  int Show();

  void initialize_cb();
  void dialogShown_cb();
  int apply_cb();
  int update_cb(NXOpen::BlockStyler::UIBlock* block);
  NXOpen::BlockStyler::PropertyList* GetBlockProperties(const char* blockID);

  void wu();

private:
  // Shows again the bodies this dialog hid that have left the selection.
  void ShowDeselected(const std::vector<tag_t>& selected);

  static NXOpen::Session* theSession;
  static NXOpen::UI* theUI;
  const char* theDialogFile = nullptr;
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
  NXOpen::BlockStyler::Group* group = nullptr;
  NXOpen::BlockStyler::SelectObject* blockxuanzhe = nullptr;
  NXOpen::BlockStyler::Group* group0 = nullptr;
  NXOpen::BlockStyler::StringBlock* blockwu = nullptr;
  NXOpen::BlockStyler::StringBlock* blockgai = nullptr;
  NXOpen::BlockStyler::Separator* separator01 = nullptr;
  NXOpen::BlockStyler::Group* group2 = nullptr;
  NXOpen::BlockStyler::Toggle* blocktoggle_wu = nullptr;
  NXOpen::BlockStyler::ObjectColorPicker* colorPicker_wu = nullptr;
  NXOpen::BlockStyler::Separator* separator011 = nullptr;
  NXOpen::BlockStyler::Separator* separator0111 = nullptr;
  NXOpen::BlockStyler::Toggle* blocktoggle_gai = nullptr;
  NXOpen::BlockStyler::ObjectColorPicker* colorPicker_gai = nullptr;
  NXOpen::BlockStyler::Button* blockbutton0 = nullptr;
  // Bodies that were shown until a check hid them.
  std::set<tag_t> hiddenByCheck;
};

int launch_shuxingjiancha();
