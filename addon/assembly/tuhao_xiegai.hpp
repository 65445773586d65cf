// Drawing-number rewrite: replaces the leading segment of matching drawing numbers and
// marks the components with the part name and number their names carry.
#pragma once
#include <string>

#include <NXOpen/BlockStyler_BlockDialog.hxx>
#include <NXOpen/BlockStyler_StringBlock.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/UI.hxx>

class tuhao_xiegai {
public:
  tuhao_xiegai();
  ~tuhao_xiegai();
  int Show();

  void initialize_cb();
  void dialogShown_cb();
  int apply_cb();
  int ok_cb();
  int update_cb(NXOpen::BlockStyler::UIBlock* block);
  NXOpen::BlockStyler::PropertyList* GetBlockProperties(const char* blockID);

  void nj_tuhao(const std::string& oldText, const std::string& newText);
  void bj_tuhao();

  std::string oldText;
  std::string newText;

private:
  static NXOpen::Session* theSession;
  static NXOpen::UI* theUI;
  const char* theDialogFile = nullptr;
  NXOpen::BlockStyler::BlockDialog* theBlockDialog = nullptr;
  NXOpen::BlockStyler::StringBlock* stringss_qian = nullptr;
  NXOpen::BlockStyler::StringBlock* stringss_hou = nullptr;
};

int launch_tuhao_xiegai();
