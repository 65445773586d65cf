// View erase and shading: erases the chosen bodies from one drawing view, shades them
// there in cyan and nearly clear, or removes every view-dependent edit of the view.
#pragma once
#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_Enumeration.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_SelectObject.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>
#include <uf_defs.h>

class shitu_shichu {
public:
  shitu_shichu();
  ~shitu_shichu();
  int Show();

  void initialize_cb();
  void dialogShown_cb();
  int apply_cb();
  int ok_cb();
  int update_cb(NXOpen::BlockStyler::UIBlock* block);
  NXOpen::BlockStyler::PropertyList* GetBlockProperties(const char* blockID);

  void 擦出对象(tag_t view, tag_t object);
  void 编辑着色及透明(tag_t view, tag_t object);
  void 取消所有擦除(tag_t view);

private:
  static NXOpen::Session* theSession;
  static NXOpen::UI* theUI;
  const char* theDialogFile = nullptr;
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
  NXOpen::BlockStyler::Group* group0 = nullptr;
  NXOpen::BlockStyler::SelectObject* shitu = nullptr;
  NXOpen::BlockStyler::Group* group01 = nullptr;
  NXOpen::BlockStyler::SelectObject* boy = nullptr;
  NXOpen::BlockStyler::Group* group011 = nullptr;
  NXOpen::BlockStyler::Enumeration* enum0 = nullptr;
};

int launch_shitu_shichu();
