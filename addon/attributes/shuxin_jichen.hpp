// Attribute inheritance: reads six attribute texts from a picked body for the attribute
// writer, which opens this dialog on top of itself.
#pragma once
#include <string>

#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_SelectObject.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>
#include <uf_defs.h>

class shuxin_jichen {
public:
  shuxin_jichen();
  ~shuxin_jichen();
  int Show();

  void initialize_cb();
  void dialogShown_cb();
  int apply_cb();
  int ok_cb();
  int update_cb(NXOpen::BlockStyler::UIBlock* block);
  NXOpen::BlockStyler::PropertyList* GetBlockProperties(const char* blockID);

  int 读写体的属性(tag_t body, std::string& partName, std::string& partNo, std::string& stockSpec,
                  std::string& material, std::string& remark, std::string& stockType);

  // The results, in order: DB_PART_NAME, DB_PART_NO, suling, MATERIALS, REMARK, guige.
  std::string DB_PART_NAME, DB_PART_NO, suling, MATERIALS, REMARK, guige;

private:
  static NXOpen::Session* theSession;
  static NXOpen::UI* theUI;
  const char* theDialogFile = nullptr;
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
  NXOpen::BlockStyler::Group* group0 = nullptr;
  NXOpen::BlockStyler::SelectObject* selection0 = nullptr;
};
